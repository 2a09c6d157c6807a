#pragma once
#include <QPixmap>
#include <QWidget>

// A picture centred in its area, scaled down in proportion when it is larger.
class PictureView : public QWidget {
    Q_OBJECT
public:
    explicit PictureView(QWidget* parent = nullptr) : QWidget(parent) {}
    void setPicture(const QPixmap& p) { m_picture = p; update(); }
    const QPixmap& picture() const { return m_picture; }
protected:
    void paintEvent(QPaintEvent*) override;
private:
    QPixmap m_picture;
};
