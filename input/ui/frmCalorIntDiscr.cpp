#include "input/ui/frmCalorIntDiscr.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QVBoxLayout>
#include <fstream>
#include <string>

#include "core/Numeros.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "input/ui/frmMaturidade.h"
#include "input/CalorDiscreto.h"
#include "core/ui/CamposNumericos.h"

TfrmCalorIntDiscr::TfrmCalorIntDiscr(Contexto& ctx, QWidget* parent)
    : QWidget(parent),
      lbCamada(new QLabel(QStringLiteral("1"), this)),
      sgdVertices(new QTableWidget(2, 2, this)),
      cbxCalorZero(new QCheckBox(QStringLiteral("Sem Calor de Hidratação"), this)),
      btnDuvida(new QPushButton(QStringLiteral("?"), this)),
      btnOk(new QPushButton(QStringLiteral("Ok"), this)),
      btnCancela(new QPushButton(QStringLiteral("Cancela"), this)),
      btnArq(new QPushButton(QStringLiteral("Importar dados..."), this)),
      btnMaturidade(new QPushButton(QStringLiteral("Maturidade..."), this)),
      ctx_(ctx),
      laco_(lbCamada) {
    setObjectName(QStringLiteral("frmCalorIntDiscr"));
    setWindowTitle(QStringLiteral("Discreto"));
    lbCamada->setObjectName(QStringLiteral("lbCamada"));
    sgdVertices->setObjectName(QStringLiteral("sgdVertices"));
    cbxCalorZero->setObjectName(QStringLiteral("cbxCalorZero"));
    btnDuvida->setObjectName(QStringLiteral("btnDuvida"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnCancela->setObjectName(QStringLiteral("btnCancela"));
    btnArq->setObjectName(QStringLiteral("btnArq"));
    btnMaturidade->setObjectName(QStringLiteral("btnMaturidade"));
    btnMaturidade->setToolTip(QStringLiteral("Curva lida pela idade equivalente do concreto na sua própria temperatura"));

    // Row 0 holds the headings as ordinary cells: the grid has no fixed rows.
    sgdVertices->horizontalHeader()->hide();
    sgdVertices->verticalHeader()->hide();
    sgdVertices->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    sgdVertices->setMinimumSize(240, 260);
    sgdVertices->installEventFilter(this);
    btnDuvida->setMaximumWidth(32);

    auto* camada = new QHBoxLayout;
    camada->addWidget(new QLabel(QStringLiteral("Camada"), this));
    camada->addWidget(lbCamada);
    camada->addStretch();
    camada->addWidget(btnDuvida);

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(btnArq);
    botoes->addWidget(btnMaturidade);
    botoes->addStretch();
    botoes->addWidget(btnOk);
    botoes->addWidget(btnCancela);

    auto* principal = new QVBoxLayout(this);
    principal->addLayout(camada);
    principal->addWidget(laco_.Navegacao());
    principal->addWidget(sgdVertices, 1);
    principal->addWidget(cbxCalorZero);
    principal->addLayout(botoes);

    connect(btnDuvida, &QPushButton::clicked, this, [this] {
        ctx_.msg.informacao(
            QStringLiteral("Para Incluir Linha => Tecla DOWN. Para Excluir Linha => Tecla DELETE."));
    });
    connect(btnOk, &QPushButton::clicked, this, [this] { Ok(); });
    connect(btnCancela, &QPushButton::clicked, this, [this] {
        laco_.Reinicia();
        hide();
    });
    connect(btnArq, &QPushButton::clicked, this, [this] { Importa(); });
    connect(btnMaturidade, &QPushButton::clicked, this, [this] {
        ExecutaAcao(ctx_.msg, [&] { ctx_.janelas.frmMaturidade->Abre(laco_.Atual(), this); });
    });
    // Only the rates are stored, not the points: a layer shows its table by keeping it
    // unless the points are changed.
    laco_.preenche = [this](int) { gradeAlterada_ = false; };
    laco_.ultima = [this] { return ctx_.dados.NCamadas; };
    connect(sgdVertices, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->row() > 0) gradeAlterada_ = true;
    });
    connect(sgdVertices->model(), &QAbstractItemModel::rowsInserted, this, [this] { gradeAlterada_ = true; });
    connect(sgdVertices->model(), &QAbstractItemModel::rowsRemoved, this, [this] { gradeAlterada_ = true; });
}

void TfrmCalorIntDiscr::Abre() {
    DefineCelula(0, 0, QStringLiteral("Tempo [Dia]"));
    DefineCelula(0, 1, QStringLiteral("Temper.[C]"));
    // The headings are cells like the points: bold tells them apart.
    for (int coluna = 0; coluna < 2; ++coluna) {
        QFont fonte = sgdVertices->item(0, coluna)->font();
        fonte.setBold(true);
        sgdVertices->item(0, coluna)->setFont(fonte);
    }
    laco_.VaiPara(1);
    CamposNumericos::ApresentaJanela(this);
}

// The points that made the tables are not kept, only the rates: the grid keeps
// what it holds, and a layer's table stays as stored until its points are changed.
void TfrmCalorIntDiscr::MostraEstado() {
    if (isVisible()) laco_.Atualiza();
}

QString TfrmCalorIntDiscr::Celula(int linha, int coluna) const {
    const QTableWidgetItem* item = sgdVertices->item(linha, coluna);
    return item ? item->text() : QString();
}

void TfrmCalorIntDiscr::DefineCelula(int linha, int coluna, const QString& texto) {
    if (QTableWidgetItem* item = sgdVertices->item(linha, coluna)) {
        item->setText(texto);
    } else {
        sgdVertices->setItem(linha, coluna, new QTableWidgetItem(texto));
    }
}

bool TfrmCalorIntDiscr::eventFilter(QObject* alvo, QEvent* evento) {
    // Rows come and go at the end of the grid when the key is released; keys typed
    // into a cell being edited stay with the cell.
    const QWidget* foco = QApplication::focusWidget();
    const bool editandoCelula = foco && foco != sgdVertices && sgdVertices->isAncestorOf(foco);
    if (alvo == sgdVertices && evento->type() == QEvent::KeyRelease && !editandoCelula) {
        auto* tecla = static_cast<QKeyEvent*>(evento);
        if (tecla->key() == Qt::Key_Down && !tecla->isAutoRepeat()) {
            sgdVertices->setRowCount(sgdVertices->rowCount() + 1);
            return true;
        }
        // The headings row and one point row always stay.
        if (tecla->key() == Qt::Key_Delete && !tecla->isAutoRepeat() && sgdVertices->rowCount() > 2) {
            sgdVertices->setRowCount(sgdVertices->rowCount() - 1);
            return true;
        }
    }
    return QWidget::eventFilter(alvo, evento);
}

void TfrmCalorIntDiscr::Ok() {
    TDadosModelo& d = ctx_.dados;
    ExecutaAcao(ctx_.msg, [&] {
        const int n = laco_.Atual();
        LacoCamadas::VerificaCapacidade(n);
        const bool guardada = d.CalorCamadas[static_cast<std::size_t>(n)].Tabela.Guardadas() > 0;
        if (!cbxCalorZero->isChecked() && (gradeAlterada_ || !guardada)) {
            std::vector<CalorDiscreto::LinhaTexto> pontos;
            for (int linha = 1; linha < sgdVertices->rowCount(); ++linha) {
                pontos.push_back({Celula(linha, 0).toStdString(), Celula(linha, 1).toStdString()});
            }
            const TCamada& camada = d.Camadas[static_cast<std::size_t>(n)];
            TCalorInterno calor = d.CalorCamadas[static_cast<std::size_t>(n)];
            const auto r = CalorDiscreto::PreencheTabela(pontos, camada.Ro, camada.CalorEsp, d.UnidadesUsuais,
                                                         calor.Tabela);
            // The sample's first temperature, where its equivalent age starts (maturity heat).
            if (pontos.size() >= 2) calor.TInicialCalorimetro = Numeros::TextoParaReal(pontos.front().temperatura);
            AlteraProblema(ctx_, NomeCamada(QStringLiteral("Calor Discreto"), n),
                           [&] { d.CalorCamadas[static_cast<std::size_t>(n)] = std::move(calor); });
            if (r.horasOmitidas > 0) {
                ctx_.msg.informacao(
                    QStringLiteral("A curva da camada %1 passa de %2 horas: as %3 horas além da hora %2 "
                                   "foram deixadas de fora.")
                        .arg(n)
                        .arg(MaxHoras)
                        .arg(r.horasOmitidas));
            }
        }
        // The points carry over to the next layer as they stand.
        const bool alterada = gradeAlterada_;
        switch (laco_.Avanca(n, d.NCamadas, d.NCamadas, ctx_.msg)) {
            case LacoCamadas::Fim::Continua:
                gradeAlterada_ = alterada;
                break;
            case LacoCamadas::Fim::Sim:
                laco_.Reinicia();
                hide();
                break;
            case LacoCamadas::Fim::Nao:
                laco_.VaiPara(1);
                break;
        }
    });
}

void TfrmCalorIntDiscr::Importa() {
    ExecutaAcao(ctx_.msg, [&] {
        const auto caminho = ctx_.arquivos.abrir(QString());
        if (!caminho) return;
        std::ifstream arquivo(caminho->toStdString());
        if (!arquivo) {
            ctx_.msg.erro(QStringLiteral("O arquivo '%1' não pôde ser aberto. Nada foi importado.").arg(*caminho));
            return;
        }
        CalorDiscreto::LinhaRecusada recusa;
        const auto pontos = CalorDiscreto::LeArquivo(arquivo, &recusa);
        if (!pontos) {
            // The grid keeps its points: the user mends the file and imports again.
            ctx_.msg.erro(QString::fromStdString(CalorDiscreto::MensagemLinhaRecusada(recusa)));
            return;
        }
        sgdVertices->setRowCount(static_cast<int>(pontos->size()) + 1);
        int linha = 1;
        for (const auto& p : *pontos) {
            DefineCelula(linha, 0, CamposNumericos::Geral(p.horas / 24.0));
            DefineCelula(linha, 1, CamposNumericos::Geral(p.temperatura));
            ++linha;
        }
    });
}
