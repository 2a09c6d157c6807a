#pragma once
// ".: Inserir Itens :.": items of one delivery order, by code, by the product
// lookup, by the fractions window ("/") or by the touch buttons of groups,
// products and kits; the accompaniments and complements come ticked. Each
// "Confirmar" writes one item; the window stays open for the next.
#include "delivery/DeliveryItemEntry.h"
#include "registers/TouchMenu.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>

namespace Ui { class TFormInsItens2; }
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;
class QToolButton;

class TFormInsItens2 : public QDialog {
    Q_OBJECT
public:
    TFormInsItens2(TLogon& logon, qint64 orderId, QWidget* parent = nullptr);
    ~TFormInsItens2() override;

    // Called after each item written (the desk shows it at once).
    void setOnItemAdded(std::function<void()> f) { m_onItemAdded = std::move(f); }

    QLineEdit* codeField() const;
    QLineEdit* quantityField() const;
    QLineEdit* observationField() const;
    QLineEdit* extraField() const;
    QComboBox* sizeBox() const;
    QLabel* nameLabel() const;
    QLabel* priceLabel() const;
    QTableWidget* extrasList() const;
    const std::optional<ItemInHand>& item() const { return m_item; }
    const std::vector<QToolButton*>& groupButtons() const { return m_groupButtons; }
    const std::vector<QToolButton*>& productButtons() const { return m_productButtons; }

public slots:
    void codeEntered();          // the code box takes the focus
    void codeLeft();             // the code box is left
    void lookUp();               // F2
    void sizeChosen();           // the size box is left
    void toggleExtra(int row);   // ticks or unticks a row of the extras list
    void addExtra();             // "Incluir Complementos"
    bool confirm();              // "Confirmar"
    void buildGroupButtons();
    void showGroup(const QString& group);
    void searchProducts();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showItem();
    void showExtras();
    void clearItem();
    void say(const QString& text);
    void fillProducts(const std::vector<TouchButton>& buttons);

    std::unique_ptr<::Ui::TFormInsItens2> ui;
    TLogon& m_logon;
    qint64 m_orderId;
    DeliveryItemEntry m_entry;
    std::optional<ItemInHand> m_item;
    std::function<void()> m_onItemAdded;
    std::vector<QToolButton*> m_groupButtons, m_productButtons;
    bool m_buttonsBuilt = false;
    bool m_leaving = false;   // a code being loaded (the windows it opens move the focus)
};
