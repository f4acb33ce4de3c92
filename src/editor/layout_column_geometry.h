#pragma once
// Column-to-x for the editing operations, answered by the document's layout
// with the shared metrics (wrapped: from the start of the column's row).
#include "editor/column_geometry.h"
#include "editor/document_layout.h"

class LayoutColumnGeometry final : public ColumnGeometry {
 public:
  LayoutColumnGeometry(const DocumentLayout& layout, TextMetrics& metrics) : layout_(layout), metrics_(metrics) {}
  ColumnX ColumnToX(LineRecord& line, std::int32_t column) override;

 private:
  const DocumentLayout& layout_;
  TextMetrics& metrics_;
};
