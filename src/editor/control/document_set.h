#pragma once
// The editor's share of the open-document set: the options and metrics all
// controls share, the ring of documents (newest first), the active one and
// the numbering of control windows; and the operations that act on every
// document at once.
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "editor/control/document.h"
#include "editor/control/editor_settings.h"
#include "editor/layout/text_metrics.h"
#include "platform/wide_string.h"

class DocumentSet {
 public:
  explicit DocumentSet(std::unique_ptr<platform::TextMeasurer> measurer);
  DocumentSet(const DocumentSet&) = delete;
  DocumentSet& operator=(const DocumentSet&) = delete;
  ~DocumentSet();

  EditorSettings& Settings() { return settings_; }
  TextMetrics& Metrics() { return metrics_; }
  // The fonts are built when the first control is created.
  bool EnsureFonts();

  std::int32_t Count() const { return static_cast<std::int32_t>(documents_.size()); }
  // 0 is the newest document.
  Document* At(std::int32_t index) const;
  Document* Active() const { return active_; }
  void SetActive(Document* document) { active_ = document; }
  // Case of ASCII letters aside, the same path; null when none.
  Document* FindByPath(std::u16string_view path) const;
  // The child-window identifier for the next control.
  std::int32_t NextControlId() const { return next_control_id_; }
  // The current path while no document is active.
  WideString& CurrentPath() { return current_path_; }

  // Takes the document in as the newest; the count and the next control
  // identifier grow. False (document freed) when memory ran out.
  bool Add(std::unique_ptr<Document> document);
  // Unlinks the document and hands it back; an active document leaves the
  // set without one. Null when it is not in the set.
  std::unique_ptr<Document> Remove(Document* document);

  void RepaintActive();
  // The frame's switches that act on every document.
  void ToggleBoldTags();
  void ToggleTagPairHighlighting();
  bool ToggleWrap();
  void ToggleCaseSensitiveSearch();
  // Rebuilds the fonts and relays out every document; false, nothing
  // changed, when the fonts could not be made.
  bool RebuildFonts();

 private:
  EditorSettings settings_;
  TextMetrics metrics_;
  bool fonts_built_ = false;
  std::vector<std::unique_ptr<Document>> documents_;
  Document* active_ = nullptr;
  std::int32_t next_control_id_ = 1;
  WideString current_path_;
};
