#include "core/PictureView.h"
#include <QPainter>

void PictureView::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QSize size = m_picture.size();
    if (size.width() > width() || size.height() > height())
        size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(target, m_picture);
}
