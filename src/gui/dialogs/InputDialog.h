#pragma once

#include "dialogs/CatalogueDialog.h"
#include "dialogs/InputCatalogue.h"

class Button;

// Asks for one line of text: title in Text1, instructions in MSFlexGrid1, the typed text in
// Text2 (its starting text selected on opening, so that typing replaces it), cmdOK and
// cmdCancel. OK or Enter in Text2 answer OK, cmdCancel answers Cancel.
class InputDialog final : public CatalogueDialog {
    Q_OBJECT
public:
    InputDialog(Session& session, const InputEntry& entry, QWidget* parent = nullptr);
    // The text in the input box.
    QString text() const;

private:
    Button* addButton(const char* name, const QString& caption, const QRect& designGeometry);

    QLineEdit* input_ = nullptr;
};
