#pragma once

#include "dialogs/CatalogueDialog.h"

class Button;

// Shows message Session::MsgId: the title in Text1, the lines in MSFlexGrid1 and the entry's
// buttons, cmdBox1 and cmdBox2 as a pair or cmdBox3 alone. The error cue sounds when it opens.
// A button stores its answer in MsgResult and closes the dialog; nothing else closes it.
class MessageDialog final : public CatalogueDialog {
    Q_OBJECT
public:
    explicit MessageDialog(Session& session, QWidget* parent = nullptr);

private:
    Button* addButton(const char* name, const QRect& designGeometry);
    void showButton(Button* button, const MessageButton& shown);
};
