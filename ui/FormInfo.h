// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace tarvisol::ui {

class Form1;

// The modal window with the help text or the value list. It keeps nothing of its own: every
// activation builds the whole text again from the main window's `iTxt` and `Liste`.
class FormInfo : public QDialog {
    Q_OBJECT

public:
    // The main window is the parent, so the dialog stays over it and goes with it; the info
    // window only reads its state.
    explicit FormInfo(Form1& form1);

    void Form_Activate();

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void setListTabStops();

    const Form1& form1_;
    QPlainTextEdit* TextInfo = nullptr;
    // The activation that follows a showing is that showing's own: the text is already there.
    bool builtForShowing_ = false;
};

} // namespace tarvisol::ui
