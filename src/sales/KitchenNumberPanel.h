#pragma once
// "Pedido na cozinha": the panel where the station's next kitchen order number
// (line 0 of pedido.INI, shared by the tickets of the sales screen and of the
// delivery desk) is set by hand, daily or whenever the house wants. The sales
// screen's ribbon button "Numeração Pedido Cozinha" opens it over the screen.
// Enter in the number moves to "Fechar"; "Fechar" writes the number (a text that
// is no whole number above 0 is written as 1) and closes the panel; Esc closes it
// and the number stays as it was.
#include <QDialog>
#include <memory>

namespace Ui { class KitchenNumberPanel; }

// The number "Fechar" writes for what the field holds.
int kitchenOrderNumberFrom(const QString& typed);

class KitchenNumberPanel : public QDialog {
    Q_OBJECT
public:
    // The field shows the station's next number.
    explicit KitchenNumberPanel(QWidget* parent = nullptr);
    ~KitchenNumberPanel() override;

    QString numberText() const;

public slots:
    void closePanel();   // "Fechar"

private:
    std::unique_ptr<::Ui::KitchenNumberPanel> ui;
};
