#include "WindowChecks.h"
#include "LoginFixtures.h"
#include "shell/RibbonBar.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QToolButton>
#include <gtest/gtest.h>

bool madeBySupervisor(ScriptedDialogs& d, TPrincipal& w)
{
    answerLogin(d, QStringLiteral("SUPERVISOR"), QStringLiteral("1234"));
    answerSupervisorPrompt(d, QStringLiteral("SUPERVISOR"), QStringLiteral("1234"));
    return w.FormCreate();
}

QToolButton* ribbonButton(RibbonBar& bar, const QString& caption)
{
    for (int t = 0; t < bar.count(); ++t)
        for (QToolButton* b : bar.buttons(t))
            if (b->accessibleName() == caption || b->text() == caption)
                return b;
    return nullptr;
}

void showsWhole(QDialog& w, QSize screen, const QString& name, const QStringList& pictureBoxes)
{
    w.show();
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
    EXPECT_LE(w.width(), screen.width()) << name.toStdString();
    EXPECT_LE(w.height(), screen.height()) << name.toStdString();
    for (QWidget* child : w.findChildren<QWidget*>()) {
        if (!child->isVisible() || pictureBoxes.contains(child->objectName()))
            continue;
        if (qobject_cast<QLabel*>(child) || qobject_cast<QAbstractButton*>(child)) {
            EXPECT_GE(child->width(), child->minimumSizeHint().width())
                << name.toStdString() << ": " << child->objectName().toStdString();
            EXPECT_GE(child->height(), child->minimumSizeHint().height())
                << name.toStdString() << ": " << child->objectName().toStdString();
        }
    }
    const QString dir = qEnvironmentVariable("SABREL22_SCREENSHOTS");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        w.grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
    }
    w.hide();
}
