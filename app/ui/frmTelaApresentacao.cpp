#include "app/ui/frmTelaApresentacao.h"

#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <array>

#include "core/ui/ImagemJpeg.h"
#include "core/ui/Janelas.h"
#include "app/ui/frmEntradaDados.h"

// The pictures are compiled into a static library: register them explicitly.
static void RegistraRecursos() { Q_INIT_RESOURCE(app); }

namespace {
struct Passo {
    int posicao;
    int esperaMs;
};
constexpr std::array<Passo, 10> Sequencia{{{10, 100}, {20, 100}, {30, 100}, {40, 100}, {50, 100},
                                            {60, 100}, {70, 1000}, {80, 1000}, {90, 1000}, {100, 1000}}};
}  // namespace

TfrmTelaApresentacao::TfrmTelaApresentacao(Contexto& ctx, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      imgApresentacao(new QLabel),
      ProgressBar1(new QProgressBar),
      Timer1(new QTimer(this)),
      ctx_(ctx),
      passo_(new QTimer(this)) {
    setObjectName(QStringLiteral("frmTelaApresentacao"));
    setWindowTitle(QStringLiteral("Bem Vindo ao Programa..."));
    imgApresentacao->setObjectName(QStringLiteral("imgApresentacao"));
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    RegistraRecursos();
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(14);

    auto* moldura = new QFrame;
    moldura->setFrameShape(QFrame::Box);
    moldura->setStyleSheet(QStringLiteral("QFrame { background: #22304a; } QLabel { color: white; }"));
    auto* nome = new QLabel(QStringLiteral("Norvik - 1D"));
    QFont fonte = nome->font();
    fonte.setPointSize(20);
    fonte.setBold(true);
    nome->setFont(fonte);
    nome->setAlignment(Qt::AlignCenter);
    auto* descricao = new QLabel(QStringLiteral("Análise térmica e de tensões de estruturas de concreto massa em camadas"));
    descricao->setAlignment(Qt::AlignCenter);
    imgApresentacao->setAlignment(Qt::AlignCenter);
    try {
        imgApresentacao->setPixmap(QPixmap::fromImage(ImagemJpeg::Carrega(QStringLiteral(":/app/apresentacao.jpg"))));
    } catch (const std::exception& e) {
        // The program runs as well without its picture: say what is wrong and go on.
        imgApresentacao->setText(QString::fromUtf8(e.what()));
        imgApresentacao->setWordWrap(true);
        ctx_.msg.erro(QString::fromUtf8(e.what()));
    }
    auto* dentro = new QVBoxLayout(moldura);
    dentro->addWidget(nome);
    dentro->addWidget(imgApresentacao);
    dentro->addWidget(descricao);
    dentro->addWidget(ProgressBar1);
    auto* principal = new QVBoxLayout(this);
    principal->setContentsMargins(0, 0, 0, 0);
    principal->addWidget(moldura);

    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    passo_->setSingleShot(true);
    connect(passo_, &QTimer::timeout, this, [this] { ProximoPasso(); });
}

void TfrmTelaApresentacao::Inicia() {
    adjustSize();
    if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        QRect r = frameGeometry();
        r.moveCenter(tela->availableGeometry().center());
        move(r.topLeft());
    }
    show();
    Timer1->start();
}

void TfrmTelaApresentacao::Timer1Timer() {
    // The sequence runs once: the timer stops at its first tick.
    Timer1->stop();
    if (auto* principal = ctx_.janelas.frmEntradaDados) principal->hide();
    indice_ = 0;
    ProximoPasso();
}

// Each step sets the bar and waits its time; after the last wait the main window appears.
void TfrmTelaApresentacao::ProximoPasso() {
    if (indice_ < static_cast<int>(Sequencia.size())) {
        const Passo& p = Sequencia[static_cast<std::size_t>(indice_++)];
        ProgressBar1->setValue(p.posicao);
        passo_->start(p.esperaMs);
        return;
    }
    if (auto* principal = ctx_.janelas.frmEntradaDados) {
        // The main window appears where the splash was.
        QRect r = principal->frameGeometry();
        r.moveCenter(frameGeometry().center());
        principal->move(r.topLeft());
        principal->show();
    }
    hide();
    concluida_ = true;
}
