#include "editor/control/document_set.h"

#include <algorithm>
#include <new>

#include "platform/path_text.h"

DocumentSet::DocumentSet(std::unique_ptr<platform::TextMeasurer> measurer) : metrics_(std::move(measurer)) {}

DocumentSet::~DocumentSet() = default;

bool DocumentSet::EnsureFonts() {
  if (!fonts_built_) fonts_built_ = metrics_.RebuildFonts();
  return fonts_built_;
}

Document* DocumentSet::At(std::int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return documents_[static_cast<std::size_t>(index)].get();
}

Document* DocumentSet::FindByPath(std::u16string_view path) const {
  for (const auto& document : documents_)
    if (path_text::SameName(document->File().path.View(), path)) return document.get();
  return nullptr;
}

bool DocumentSet::Add(std::unique_ptr<Document> document) {
  if (!document) return false;
  try {
    documents_.insert(documents_.begin(), std::move(document));
  } catch (const std::bad_alloc&) {
    return false;
  }
  ++next_control_id_;
  return true;
}

std::unique_ptr<Document> DocumentSet::Remove(Document* document) {
  const auto found = std::find_if(documents_.begin(), documents_.end(),
                                  [document](const auto& held) { return held.get() == document; });
  if (found == documents_.end()) return nullptr;
  std::unique_ptr<Document> removed = std::move(*found);
  documents_.erase(found);
  if (active_ == document) active_ = nullptr;
  return removed;
}

void DocumentSet::RepaintActive() {
  if (active_) active_->RepaintAll();
}

void DocumentSet::ToggleBoldTags() {
  settings_.bold_tags = !settings_.bold_tags;
  RepaintActive();
}

void DocumentSet::ToggleTagPairHighlighting() {
  settings_.tag_pair_highlighting = !settings_.tag_pair_highlighting;
  if (active_) active_->ClearTagPairHighlight();
}

bool DocumentSet::ToggleWrap() {
  settings_.wrap = !settings_.wrap;
  bool laid_out = true;
  for (const auto& document : documents_) laid_out = document->SetWrapped(settings_.wrap) && laid_out;
  return laid_out;
}

void DocumentSet::ToggleCaseSensitiveSearch() {
  metrics_.SetCaseSensitiveSearch(!metrics_.CaseSensitiveSearch());
}

bool DocumentSet::RebuildFonts() {
  if (!metrics_.RebuildFonts()) return false;
  fonts_built_ = true;
  for (const auto& document : documents_) document->RelayoutForFont();
  return true;
}
