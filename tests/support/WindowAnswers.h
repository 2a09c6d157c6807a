#pragma once
// How the window tests answer a window or a file dialog that a step opens: the
// fractions window given flavour codes, a file dialog given a file that holds no
// picture.
#include "ScriptedDialogs.h"
#include "registers/Fracao.h"

#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QStringList>
#include <gtest/gtest.h>

// The fractions window: each code typed into its box in turn and left, then "Confirmar".
inline void answerFractions(ScriptedDialogs& d, const QStringList& codes)
{
    d.onWindow(QStringLiteral("TFormFracao"), [codes](QDialog& window) {
        auto& f = static_cast<TFormFracao&>(window);
        for (int i = 0; i < codes.size(); ++i) {
            f.codeBox(i)->setText(codes[i]);
            f.codeBoxLeft(i);
        }
        f.confirm();
        return int(QDialog::Accepted);
    });
}

// The next file dialog gives `path`, a file named as a picture that holds none.
inline void answerWithBrokenPicture(ScriptedDialogs& d, const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("not a picture");
    f.close();
    d.answerFileDialog(path);
}
