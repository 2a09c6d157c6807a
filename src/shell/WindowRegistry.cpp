#include "shell/WindowRegistry.h"
#include "platform/Dialogs.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <map>

namespace windows {
namespace {
struct Entry {
    Factory factory;
    Reach reach = Reach::ByControl;
};

std::map<QString, Entry>& registry()
{
    static std::map<QString, Entry> r;
    return r;
}
}

void registerWindow(const QString& className, Factory factory, Reach reach)
{
    registry()[className] = Entry{std::move(factory), reach};
}

bool isRegistered(const QString& className)
{
    return registry().count(className) != 0;
}

QStringList registeredNames()
{
    QStringList names;
    for (const auto& entry : registry())
        names << entry.first;
    return names;
}

QStringList namesNoMenuOpens()
{
    QStringList names;
    for (const auto& [name, entry] : registry())
        if (entry.reach == Reach::ByNameOnly)
            names << name;
    return names;
}

std::unique_ptr<QDialog> create(const QString& className, const QString& title)
{
    auto it = registry().find(className);
    if (it != registry().end())
        return it->second.factory();
    return std::make_unique<PlaceholderWindow>(className, title);
}

int open(const QString& className, const QString& title)
{
    return open(className, title, {});
}

int open(const QString& className, const QString& title, const std::function<void(QDialog&)>& prepare)
{
    std::unique_ptr<QDialog> window = create(className, title);
    if (prepare)
        prepare(*window);
    return dialogs().exec(*window);
}

} // namespace windows

PlaceholderWindow::PlaceholderWindow(const QString& className, const QString& title, QWidget* parent)
    : QDialog(parent)
    , m_class(className)
{
    setObjectName(className);
    setWindowTitle(title.isEmpty() ? className : title);
    auto* layout = new QVBoxLayout(this);
    auto* band = new QLabel(windowTitle(), this);
    band->setObjectName(QStringLiteral("band"));
    band->setAlignment(Qt::AlignCenter);
    layout->addWidget(band);
    auto* note = new QLabel(QStringLiteral("Esta janela ainda não está disponível nesta versão."), this);
    note->setAlignment(Qt::AlignCenter);
    layout->addWidget(note);
    auto* back = new QPushButton(QStringLiteral("Retornar"), this);
    back->setMinimumHeight(48);
    layout->addWidget(back);
    connect(back, &QPushButton::clicked, this, &QDialog::accept);
    resize(480, 220);
}
