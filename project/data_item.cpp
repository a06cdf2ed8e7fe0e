#include "project/data_item.h"

namespace orvella {

// Out of line so that the virtual table is emitted in this one object file.
CDataItem::~CDataItem() = default;

}  // namespace orvella
