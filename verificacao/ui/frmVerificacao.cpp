#include "verificacao/ui/frmVerificacao.h"

#include <QFontDatabase>
#include <QMenuBar>
#include <QThread>
#include <QVBoxLayout>
#include <exception>

#include "analise/Analise.h"
#include "core/ArquivoAtomico.h"
#include "core/Progresso.h"
#include "core/ui/SalvaComTipo.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "results/ResumoTermico.h"
#include "verificacao/Verificacao.h"

namespace {

// A stress run of the current problem is in the stress table.
bool TemTensoes(const HistoricoNumerico& t) { return t.Linhas() >= 2 && t.Colunas() >= 2 && t.TemCabecalho(); }

}  // namespace

TfrmVerificacao::TfrmVerificacao(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmVerificacao"));
    setWindowTitle(QStringLiteral("Verificação"));
    auto* menu = new QMenuBar(this);
    menu->addAction(QStringLiteral("&Sair"), this, &QWidget::close);
    QMenu* arquivo = menu->addMenu(QStringLiteral("&Arquivo"));
    arquivo->addAction(QStringLiteral("Salvar Relatório"), this,
                       [this] { ExecutaAcao(ctx_.msg, [this] { SalvarRelatorio(); }); });

    lblSituacao = new QLabel(this);
    lblSituacao->setObjectName(QStringLiteral("lblSituacao"));
    lblSituacao->setWordWrap(true);
    memRelatorio = new QPlainTextEdit(this);
    memRelatorio->setObjectName(QStringLiteral("memRelatorio"));
    memRelatorio->setReadOnly(true);
    memRelatorio->setLineWrapMode(QPlainTextEdit::NoWrap);
    memRelatorio->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    memRelatorio->setToolTip(QStringLiteral("O problema atual refeito com o dobro de elementos por camada, com o\n"
                                            "passo de tempo dividido e na outra formulação, o que muda o resultado\n"
                                            "e o balanço de energia da sua análise térmica"));

    auto* raiz = new QVBoxLayout(this);
    raiz->setMenuBar(menu);
    raiz->addWidget(lblSituacao);
    raiz->addWidget(memRelatorio, 1);
    resize(820, 560);
}

TfrmVerificacao::~TfrmVerificacao() {
    if (!thread_) return;
    thread_->wait();
    delete thread_;
}

void TfrmVerificacao::Abre() {
    if (Calculando()) {
        if (!descartada_) {
            CamposNumericos::ApresentaJanela(this);
            return;
        }
        Espera();  // the one of a discarded problem: its report is shown to nobody
    }
    if (!ctx_.dados.TermicoCompleto) {
        ctx_.msg.erro(QStringLiteral("A verificação precisa de uma análise térmica completa. "
                                     "Execute a análise térmica antes."));
        return;
    }
    // The runs work on a copy: the state of the windows is never touched.
    auto copia = std::make_shared<TDadosModelo>(ctx_.dados);
    const bool tensoes = TemTensoes(ctx_.analise.Tensoes);
    relatorio_.clear();
    memRelatorio->clear();
    auto saida = std::make_shared<Saida>();
    saida_ = saida;
    lblSituacao->setText(QStringLiteral("Calculando: o problema atual com o dobro de elementos por camada, com o "
                                        "passo dividido e na outra formulação, e o balanço de energia…"));
    thread_ = QThread::create([saida, copia, tensoes] {
        try {
            Progresso semJanela;
            saida->relatorio = TVerificacao::Executa(*copia, tensoes, semJanela).Texto();
        } catch (const std::exception& e) {
            saida->erro = e.what();
        }
    });
    // The end of this run only: a run waited for by Espera, whose "finished" is still
    // queued, must not take the next run's output while that run writes it.
    const unsigned geracao = ++geracao_;
    connect(thread_, &QThread::finished, this, [this, geracao] {
        if (geracao == geracao_) Termina();
    });
    CamposNumericos::ApresentaJanela(this);
    thread_->start();
}

void TfrmVerificacao::SalvarRelatorio() {
    if (Calculando() || relatorio_.empty()) {
        ctx_.msg.erro(QStringLiteral("Não há relatório de verificação para salvar."));
        return;
    }
    static const std::vector<SalvaComTipo::Tipo> texto{{QStringLiteral("Arquivo Texto"), QStringLiteral("txt")}};
    if (const auto escolha = SalvaComTipo::Pergunta(ctx_.arquivos, texto, SalvaComTipo::PrimeiroTipo::AnexaSeFaltar))
        TArquivoAtomico::Grava(escolha->Caminho, ResumoArquivo::Bytes(relatorio_));
}

void TfrmVerificacao::Espera() {
    if (!thread_) return;
    thread_->wait();
    Termina();
}

void TfrmVerificacao::Descarta() {
    descartada_ = Calculando();
    relatorio_.clear();
    memRelatorio->clear();
    lblSituacao->clear();
    hide();
}

void TfrmVerificacao::Termina() {
    if (!thread_) return;
    thread_->deleteLater();
    thread_ = nullptr;
    const std::shared_ptr<Saida> saida = std::move(saida_);
    if (descartada_) {
        descartada_ = false;
        return;
    }
    if (!saida->erro.empty()) {
        lblSituacao->setText(QStringLiteral("A verificação falhou."));
        ctx_.msg.erro(QStringLiteral("A verificação falhou: %1").arg(QString::fromStdString(saida->erro)));
        return;
    }
    lblSituacao->setText(QStringLiteral("Verificação do problema atual, com os dados de entrada de agora."));
    relatorio_ = saida->relatorio;
    memRelatorio->setPlainText(QString::fromStdString(relatorio_));
    emit Concluida();
}
