#include "results/ui/frmSalvaArq.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

TfrmSalvaArq::TfrmSalvaArq(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmSalvaArq"));
    setWindowTitle(QStringLiteral(" Salvando..."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint);
    anFile = new TAnimacaoArquivo(this);
    pbStatus = new QProgressBar(this);
    pbStatus->setObjectName(QStringLiteral("pbStatus"));
    pbStatus->setRange(0, 100);
    pbStatus->setValue(0);
    auto* caixa = new QVBoxLayout(this);
    caixa->addWidget(anFile, 0, Qt::AlignHCenter);
    caixa->addWidget(pbStatus);
    setFixedSize(300, 120);
}

void TfrmSalvaArq::Inicia(int maximo) {
    pbStatus->setRange(0, std::max(maximo, 0));
    pbStatus->setValue(0);
    // The window events keep flowing while the rows are written, but no other
    // command may start meanwhile (a run would refill the table being written).
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    anFile->Inicia();
    QApplication::processEvents();
}

void TfrmSalvaArq::Avanca(int posicao) {
    // setValue repaints the bar itself whenever the change is visible.
    pbStatus->setValue(std::clamp(posicao, pbStatus->minimum(), pbStatus->maximum()));
    QApplication::processEvents();
}

void TfrmSalvaArq::Termina() {
    anFile->Para();
    hide();
}
