#include "document/DocumentSave.h"

#include "base/HvxApp.h"
#include "base/Language.h"
#include "base/Log.h"
#include "document/HVXDoc.h"

namespace hvx {
namespace {

constexpr int kTextSaveAsTitle = 61441;  // "Speichern unter"
constexpr int kTextAskSaveChanges = 61699; // "Sollen die Änderungen an %1 gespeichert werden?"

} // namespace

FileChoice ConfigFileChoice(bool open, int titleText)
{
    FileChoice choice;
    choice.open = open;
    choice.title = GetStringsText(titleText);
    choice.filterDescription = QLatin1String(CHVXDoc::kFileFilter);
    choice.extension = QLatin1String(CHVXDoc::kFileExtension);
    choice.directory = theApp().m_strWorkDir;
    return choice;
}

bool SaveDocumentAs(CHVXDoc& doc)
{
    FileChoice choice = ConfigFileChoice(false, kTextSaveAsTitle);
    choice.fileName = doc.title();
    const std::optional<QString> path = theApp().ui().chooseFile(choice);
    return path && doc.DoSave(*path);
}

bool SaveModifiedDocument(CHVXDoc& doc)
{
    // The page being edited stores its entries first, so a value typed just before New, Open,
    // reading from the instrument or closing marks the document modified and is offered for
    // saving; an invalid entry refuses, as every file prompt does while an input error is pending.
    if (doc.inputErrorPending())
        return false;
    if (!doc.isModified())
        return true;
    switch (LogMessageBox(GetStringsText(kTextAskSaveChanges).arg(doc.title()), MB_YESNOCANCEL)) {
    case IDYES: return doc.pathName().isEmpty() ? SaveDocumentAs(doc) : doc.DoSave(doc.pathName());
    case IDNO: return true;
    default: return false;
    }
}

} // namespace hvx
