#include "core/ui/Gauge.h"

#include <QPainter>
#include <algorithm>

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
}

void Gauge::setMaxValue(int maximo) {
    if (maximo == maximo_) return;
    maximo_ = maximo;
    posicao_ = std::clamp(posicao_, 0, std::max(maximo_, 0));
    update();
}

void Gauge::setProgress(int posicao) {
    posicao = std::clamp(posicao, 0, std::max(maximo_, 0));
    if (posicao == posicao_) return;
    posicao_ = posicao;
    update();
}

int Gauge::percentual() const {
    if (maximo_ <= 0) return 0;
    return static_cast<int>(static_cast<long long>(posicao_) * 100 / maximo_);
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int lado = std::min(width(), height()) - 4;
    const QRectF disco((width() - lado) / 2.0, (height() - lado) / 2.0, lado, lado);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(disco);
    if (maximo_ > 0 && posicao_ > 0) {
        p.setBrush(QColor(0, 0, 160));
        // Qt angles are in 1/16 degree, counter-clockwise: start at 90° and go negative.
        const int span = -static_cast<int>(360.0 * 16.0 * posicao_ / maximo_);
        if (posicao_ >= maximo_)
            p.drawEllipse(disco);
        else
            p.drawPie(disco, 90 * 16, span);
    }
    const QString texto = QString::number(percentual()) + QStringLiteral("%");
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    const QRectF caixa = p.fontMetrics().boundingRect(texto).adjusted(-3, -1, 3, 1);
    QRectF fundo(0, 0, caixa.width(), caixa.height());
    fundo.moveCenter(disco.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 220));
    p.drawRoundedRect(fundo, 3, 3);
    p.setPen(Qt::black);
    p.drawText(fundo, Qt::AlignCenter, texto);
}
