#pragma once

#include "dialogs/CatalogueDialog.h"

class Button;

// Shows a message: the title in Text1, the lines in MSFlexGrid1 and the entry's buttons,
// cmdBox1 and cmdBox2 as a pair or cmdBox3 alone. The error cue sounds when it opens. A button
// closes the dialog with its answer; nothing else closes it.
class MessageDialog final : public CatalogueDialog {
    Q_OBJECT
public:
    MessageDialog(Session& session, const MessageEntry& entry, QWidget* parent = nullptr);

private:
    Button* addButton(const char* name, const QRect& designGeometry);
    void showButton(Button* button, const MessageButton& shown);
};
