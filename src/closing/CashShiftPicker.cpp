#include "closing/CashShiftPicker.h"

#include "platform/Dialogs.h"
#include "shell/WindowRegistry.h"

#include <QDialog>
#include <QLabel>

namespace {

// Passes every dialog on to the one installed, and reads the picker's label
// when it closes.
class ReadPickedShift : public Dialogs {
public:
    explicit ReadPickedShift(Dialogs& inner) : m_inner(inner) {}
    QString picked;

    QString message(const QString& t, const QString& x, const QString& b, const QString& k) override
    {
        return m_inner.message(t, x, b, k);
    }
    QString inputBox(const QString& t, const QString& p, const QString& d) override
    {
        return m_inner.inputBox(t, p, d);
    }
    int exec(QDialog& window) override
    {
        const int result = m_inner.exec(window);
        const QVariant property = window.property("Label1");
        if (property.isValid())
            picked = property.toString();
        else if (const auto* label = window.findChild<QLabel*>(QStringLiteral("Label1")))
            picked = label->text();
        return result;
    }
    void errorBox(const QString& text) override { m_inner.errorBox(text); }
    QString openPictureFile() override { return m_inner.openPictureFile(); }
    QString saveFileName(const QString& c, const QString& f) override { return m_inner.saveFileName(c, f); }
    void beep() override { m_inner.beep(); }

private:
    Dialogs& m_inner;
};

} // namespace

QString pickCashShift()
{
    Dialogs& current = dialogs();
    ReadPickedShift reader(current);
    setDialogs(&reader);
    try {
        windows::open(QStringLiteral("TFormVerCaixa"), QStringLiteral(".: Ver Caixas :."));
    } catch (...) {
        setDialogs(&current);
        throw;
    }
    setDialogs(&current);
    return reader.picked == QLatin1String("Label1") ? QString() : reader.picked;
}
