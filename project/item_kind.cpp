#include "project/item_kind.h"

namespace orvella {

static_assert([] {
  for (int i = 0; i < kItemKindCount; ++i)
    if (ItemKindCode(kItemKinds[i].kind) != i) return false;
  return true;
}(), "item kind rows must be in code order");

std::optional<ItemKind> ItemKindFromCode(std::int32_t code) {
  if (code < 0 || code >= kItemKindCount) return std::nullopt;
  return kItemKinds[code].kind;
}

std::optional<ItemKind> ItemKindFromName(std::string_view name) {
  for (const ItemKindInfo& info : kItemKinds)
    if (info.name == name) return info.kind;
  return std::nullopt;
}

std::string FormatCaption(ItemKind kind, std::string_view nodeText) {
  // Only the one "%s" is substituted: a node text with '%' in it must appear as typed,
  // which a printf-style call would not guarantee.
  std::string_view format = KindInfo(kind).captionFormat;
  std::string caption(format);
  if (std::size_t at = format.find("%s"); at != std::string_view::npos)
    caption.replace(at, 2, nodeText);
  return caption;
}

}  // namespace orvella
