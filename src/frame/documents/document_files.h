#pragma once
// The open and save commands of the document tabs: the file dialogs and
// saving one or every document.
namespace document_files {

void OpenWithDialog();
bool SaveActive();
bool SaveActiveAs();
void SaveAll();

}  // namespace document_files
