#include "stress/ui/frmACI.h"

#include <QGridLayout>
#include <QPixmap>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/ui/CamposNumericos.h"
#include "core/ui/ImagemJpeg.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "stress/ui/Formulario.h"

using namespace Formulario;

// The pictures live in a static library: their resource must be registered by hand.
static void RegistraRecursos() { Q_INIT_RESOURCE(tensional); }

TfrmACI::TfrmACI(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmACI"));
    setWindowTitle(QStringLiteral("Coef. de Restrição - ACI"));
    imgEstrutura = Rotulo(this, "imgEstrutura", QString());
    RegistraRecursos();
    try {
        imgEstrutura->setPixmap(QPixmap::fromImage(ImagemJpeg::Carrega(QStringLiteral(":/tensional/restricao_aci.jpg"))));
    } catch (const std::exception&) {
        // Without its picture the window still asks for H and L.
    }
    edH = Campo(this, "edH", QStringLiteral("1"), QStringLiteral("Altura da estrutura"));
    edL = Campo(this, "edL", QStringLiteral("2"),
                QStringLiteral("Comprimento da estrutura \r\n(Equivale a maior dimensão)"));
    auto* btnOk = Botao(this, "btnOk", QStringLiteral("Ok"));
    auto* btnCancela = Botao(this, "btnCancela", QStringLiteral("Cancela"));

    auto* campos = new QGridLayout;
    campos->addWidget(Rotulo(this, nullptr, QStringLiteral("H=  ")), 0, 0);
    campos->addWidget(edH, 0, 1);
    campos->addWidget(Rotulo(this, nullptr, QStringLiteral("m")), 0, 2);
    campos->addWidget(Rotulo(this, nullptr, QStringLiteral("L=  ")), 1, 0);
    campos->addWidget(edL, 1, 1);
    campos->addWidget(Rotulo(this, nullptr, QStringLiteral("m")), 1, 2);
    auto* botoes = new QHBoxLayout;
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancela);
    auto* l = new QVBoxLayout(this);
    l->addWidget(imgEstrutura, 0, Qt::AlignHCenter);
    l->addLayout(campos);
    l->addLayout(botoes);

    connect(btnOk, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { AlteraProblema(ctx_, QStringLiteral("Coef. de Restrição - ACI"), [this] { Ok(); }); }); });
    connect(btnCancela, &QPushButton::clicked, this, &QWidget::hide);
}

void TfrmACI::Abre(const QString& altura) {
    edH->setText(altura);
    CamposNumericos::ApresentaJanela(this);
}

void TfrmACI::Ok() {
    ctx_.dados.AlturaRestricao = Real(edH);
    ctx_.dados.ComprimentoRestricao = Real(edL);
    hide();
}

void TfrmACI::MostraEstado() {
    edH->setText(CamposNumericos::Geral(ctx_.dados.AlturaRestricao));
    edL->setText(CamposNumericos::Geral(ctx_.dados.ComprimentoRestricao));
}
