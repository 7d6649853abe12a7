#include "results/ui/VistaTabela.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QPainter>
#include <QStyleOptionHeader>
#include <QLabel>
#include <QVBoxLayout>

TVistaTabela::TVistaTabela(const TabelaTexto& tabela, const QString& subtitulo, QWidget* parent) : QWidget(parent) {
    auto* titulo = new QLabel(QStringLiteral("RESULTADOS"), this);
    QFont fonte = titulo->font();
    fonte.setPointSize(fonte.pointSize() + 4);
    fonte.setBold(true);
    titulo->setFont(fonte);
    titulo->setAlignment(Qt::AlignHCenter);
    auto* sub = new QLabel(subtitulo, this);
    sub->setAlignment(Qt::AlignHCenter);

    modelo = new ModeloTabela(tabela, this);
    StgResultado = new QTableView(this);
    StgResultado->setObjectName(QStringLiteral("StgResultado"));
    StgResultado->setModel(modelo);
    // Fixed row heights and column widths: the view never measures a million cells.
    StgResultado->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StgResultado->verticalHeader()->setDefaultSectionSize(20);
    StgResultado->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StgResultado->horizontalHeader()->setDefaultSectionSize(70);
    StgResultado->verticalHeader()->setDefaultAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    StgResultado->setFont(mono);
    StgResultado->setEditTriggers(QAbstractItemView::NoEditTriggers);

    // The corner over the hours shows the table's own corner text.
    StgResultado->verticalHeader()->setMinimumWidth(70);
    if (auto* canto = StgResultado->findChild<QAbstractButton*>()) {
        canto_ = canto;
        canto->installEventFilter(this);
    }

    auto* caixa = new QVBoxLayout(this);
    caixa->setContentsMargins(0, 0, 0, 0);
    caixa->addWidget(titulo);
    caixa->addWidget(sub);
    caixa->addWidget(StgResultado, 1);
}

void TVistaTabela::AtualizaSeMudou() {
    if (modelo->rowCount() != StgResultado->verticalHeader()->count() ||
        modelo->columnCount() != StgResultado->horizontalHeader()->count())
        modelo->Recarrega();
}

bool TVistaTabela::eventFilter(QObject* objeto, QEvent* evento) {
    if (objeto != canto_ || evento->type() != QEvent::Paint) return QWidget::eventFilter(objeto, evento);
    QPainter p(canto_);
    QStyleOptionHeader opcao;
    opcao.initFrom(canto_);
    opcao.rect = canto_->rect();
    opcao.position = QStyleOptionHeader::OnlyOneSection;
    opcao.text = modelo->Canto();
    opcao.textAlignment = Qt::AlignCenter;
    canto_->style()->drawControl(QStyle::CE_Header, &opcao, &p, canto_);
    return true;
}
