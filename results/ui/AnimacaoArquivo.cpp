#include "results/ui/AnimacaoArquivo.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int Quadros = 24;

void DesenhaPasta(QPainter& p, const QRect& r) {
    p.setPen(QPen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(240, 200, 80));
    QPainterPath aba;
    aba.addRect(r.x(), r.y() - 5, r.width() / 2, 6);
    p.drawPath(aba);
    p.drawRect(r);
}
}  // namespace

TAnimacaoArquivo::TAnimacaoArquivo(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("anFile"));
    setMinimumSize(sizeHint());
    relogio_.setInterval(50);
    connect(&relogio_, &QTimer::timeout, this, [this] {
        quadro_ = (quadro_ + 1) % Quadros;
        update();
    });
}

void TAnimacaoArquivo::Inicia() {
    quadro_ = 0;
    relogio_.start();
    update();
}

void TAnimacaoArquivo::Para() { relogio_.stop(); }

void TAnimacaoArquivo::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int base = height() - 12;
    const QRect origem(10, base - 26, 44, 30);
    const QRect destino(width() - 54, base - 26, 44, 30);
    DesenhaPasta(p, origem);
    DesenhaPasta(p, destino);
    if (!Ativa()) return;
    // The sheet rises from the first folder, arcs over and drops into the second.
    const double f = static_cast<double>(quadro_) / (Quadros - 1);
    const double x0 = origem.center().x() - 8;
    const double x1 = destino.center().x() - 8;
    const double x = x0 + (x1 - x0) * f;
    const double y = base - 34 - 22 * 4 * f * (1 - f);
    p.setPen(QPen(Qt::darkGray, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x, y, 16, 20));
    p.setPen(QPen(QColor(90, 90, 200), 1));
    for (int i = 0; i < 3; ++i) p.drawLine(QPointF(x + 3, y + 5 + 4 * i), QPointF(x + 13, y + 5 + 4 * i));
}
