#pragma once

#include "dialogs/CatalogueDialog.h"

class Button;

// Asks for input Session::MsgId: title in Text1, instructions in MSFlexGrid1, the typed text in
// Text2 (whole text selected on opening, every change copied into InputText at once), cmdOK and
// cmdCancel. OK or Enter in Text2 store 1 in MsgResult, Cancel stores 2.
class InputDialog final : public CatalogueDialog {
    Q_OBJECT
public:
    explicit InputDialog(Session& session, QWidget* parent = nullptr);

private:
    Button* addButton(const char* name, const QString& caption, const QRect& designGeometry);

    QLineEdit* input_ = nullptr;
};
