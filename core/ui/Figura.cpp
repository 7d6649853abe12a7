#include "core/ui/Figura.h"

#include <QMouseEvent>
#include <QPainter>

TFigura::TFigura(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void TFigura::Limpa(const QColor& cor) {
    imagem_ = QImage(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32);
    imagem_.fill(cor);
    update();
}

void TFigura::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    if (!imagem_.isNull()) p.drawImage(0, 0, imagem_);
}

void TFigura::mouseMoveEvent(QMouseEvent* evento) {
    const QPoint pos = evento->position().toPoint();
    emit MouseMoveu(pos.x(), pos.y());
    QWidget::mouseMoveEvent(evento);
}
