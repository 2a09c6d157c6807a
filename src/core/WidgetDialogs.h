#pragma once
#include "platform/Dialogs.h"

// The real dialogs, on screen.
class WidgetDialogs : public Dialogs {
public:
    QString message(const QString& title, const QString& text,
                    const QString& buttons, const QString& kind) override;
    QString inputBox(const QString& title, const QString& prompt, const QString& proposed) override;
    int exec(QDialog& window) override;
    void errorBox(const QString& text) override;
    QString openPictureFile() override;
    QString saveFileName(const QString& caption, const QString& filter) override;
    void beep() override;
};
