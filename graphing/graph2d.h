// A 2-D graph: a rectangular, polar or parametric curve given by expressions, or a data
// graph linked to an XY table (optionally with the fitted curve that a regression made).
// The record keeps what the user chose and the samples the renderer computes from it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "graphing/graph_base.h"
#include "graphing/graph_point.h"
#include "worksheet/result_report.h"

namespace orvella {

class CDataTable;
class CPlot2D;

// Stored as int32.
enum class GraphType2D : std::int32_t {
  kRectangular = 0,  // y = f(x)
  kPolar = 1,        // r = f(t)
  kParametric = 2,   // x = f(t), y = g(t)
};

inline bool IsKnownGraphType(std::int32_t code) { return code >= 0 && code <= 2; }

// The linked table's extremes, in the order the analyses fill them.
struct DataBounds {
  double xMax = 0.0;
  double xMin = 0.0;
  double yMax = 0.0;
  double yMin = 0.0;

  friend bool operator==(const DataBounds&, const DataBounds&) = default;
};

class CGraph2D : public CGraphBase {
 public:
  // Style, colour and width start automatic: the plot chooses them when the graph is added.
  CGraph2D();
  CGraph2D(const CGraph2D&) = delete;
  CGraph2D& operator=(const CGraph2D&) = delete;
  ~CGraph2D() override;

  std::int32_t ItemType() const override { return kRecordGraph2D; }

  // Each expression is stored only when its text differs, a type only
  // when it is known and different (both then need resampling and mark the record
  // modified); the domain as SetDomain takes it.
  void Set(const std::string& expr1, const std::string& expr2, GraphType2D type,
           double domainMin, double domainMax);
  // Taken only when finite, increasing and different from the current domain.
  void SetDomain(double domainMin, double domainMax);

  // The display text and the identity of the graph within its plot: the name when there is
  // one, else built from the expressions ("" without a first expression).
  std::string Label() const;

  // Links a table (not owned) and takes its first two columns' extremes as dataBounds.
  // A missing or empty column gives 0 for both of its extremes; non-finite cells are
  // skipped. A null table detaches.
  void AttachTable(const CDataTable* table);
  void DetachTable();
  const CDataTable* DataTable() const { return dataTable_; }

  // The appearance (pen, fill colour, visibility), both expressions, plot, domain, type
  // and bounds of `other`. The copy needs sampling of its own.
  void CopyFrom(const CGraph2D& other);

  GraphType2D Type() const { return type_; }
  const std::string& Expr1() const { return expr1_; }
  const std::string& Expr2() const { return expr2_; }
  double DomainMin() const { return domainMin_; }
  double DomainMax() const { return domainMax_; }

  // The fit that produced this curve, or none.
  const CResultReport* Results() const { return results_.get(); }
  void SetResults(std::unique_ptr<CResultReport> results) { results_ = std::move(results); }

  // The plot that owns the graph; set when it is added.
  CPlot2D* Plot() const { return plot_; }
  void SetPlot(CPlot2D* plot) { plot_ = plot; }

  // Samples must be recomputed (expressions, type, domain or steps changed).
  bool NeedResample() const { return needResample_; }
  void MarkNeedResample() { needResample_ = true; }
  void ClearNeedResample() { needResample_ = false; }
  // Screen coordinates must be recomputed (scale or window changed).
  bool NeedRemap() const { return needRemap_; }
  void MarkNeedRemap() { needRemap_ = true; }
  void ClearNeedRemap() { needRemap_ = false; }

  // World extremes of the last valid samples.
  WorldRect bounds{-5.0, 5.0, -3.0, 3.0};
  DataBounds dataBounds;
  // Stored and loaded as it is; nothing else reads it.
  std::int32_t reserved2 = 0;
  bool drawn = false;
  std::vector<GraphPoint> samples;
  // Re-mapped with the samples but never filled or stored.
  std::vector<GraphPoint> extraSamples;
  // The linked table's name as last stored or loaded; the document re-links by it.
  std::string dataTableName;

 private:
  void MarkResample();

  GraphType2D type_ = GraphType2D::kRectangular;
  std::string expr1_;
  std::string expr2_;
  double domainMin_ = -3.0;
  double domainMax_ = 3.0;
  const CDataTable* dataTable_ = nullptr;
  std::unique_ptr<CResultReport> results_;
  CPlot2D* plot_ = nullptr;
  bool needResample_ = true;
  bool needRemap_ = true;
};

}  // namespace orvella
