#include "core/ui/ComparacaoGrafico.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLineSeries>
#include <QPen>

namespace {
const char* const PropriedadeComparacao = "daComparacao";
}  // namespace

struct TComparacaoGrafico::Pacote {
    std::unique_ptr<TExecucaoProjeto> resultado;
    std::string erro;
};

TComparacaoGrafico::TComparacaoGrafico(Contexto& ctx, QPushButton* botao, QLabel* estado, QObject* parent)
    : QObject(parent), ctx_(ctx), botao_(botao), estado_(estado) {
    connect(botao_, &QPushButton::clicked, this, [this] { Escolhe(); });
}

TComparacaoGrafico::~TComparacaoGrafico() { Junta(); }

void TComparacaoGrafico::Junta() {
    if (tarefa_.joinable()) tarefa_.join();
}

void TComparacaoGrafico::Escolhe() {
    const auto caminho = ctx_.arquivos.abrir(FiltroProjeto());
    if (caminho) Inicia(*caminho);
}

void TComparacaoGrafico::Inicia(const QString& caminho) {
    Junta();  // a run already dropped finishes on its own; its end is ignored
    resultado_.reset();
    nome_ = QFileInfo(caminho).fileName();
    nome_.remove(QStringLiteral(".n1d.json"));
    const unsigned geracao = ++geracao_;
    executando_ = true;
    botao_->setEnabled(false);
    estado_->setText(QStringLiteral("Calculando ") + nome_ + QStringLiteral("..."));
    const std::string arquivo = caminho.toStdString();
    OpcoesExecucao op = opcoes ? opcoes() : OpcoesExecucao{};
    op.Observador = nullptr;  // nobody watches a run in the background
    tarefa_ = std::thread([this, arquivo, geracao, op] {
        auto pacote = std::make_shared<Pacote>();
        try {
            Progresso silencioso;
            pacote->resultado =
                std::make_unique<TExecucaoProjeto>(ExecucaoProjeto::ExecutaArquivo(arquivo, op, silencioso));
            if (!pacote->resultado->Termico.Completo)
                pacote->erro = TProcesso::MensagemFim(pacote->resultado->Termico, *pacote->resultado->Dados);
        } catch (const std::exception& e) {
            pacote->erro = e.what();
        }
        QMetaObject::invokeMethod(this, [this, pacote, geracao] { Conclui(pacote, geracao); }, Qt::QueuedConnection);
    });
}

void TComparacaoGrafico::Conclui(std::shared_ptr<Pacote> pacote, unsigned geracao) {
    if (geracao != geracao_) return;  // asked for by a problem that has been replaced
    executando_ = false;
    botao_->setEnabled(true);
    if (!pacote->erro.empty()) {
        estado_->clear();
        ctx_.msg.erro(QStringLiteral("Não foi possível comparar com o projeto ") + nome_ + QStringLiteral(": ") +
                      QString::fromStdString(pacote->erro));
        if (aoFalhar) aoFalhar();
        return;
    }
    resultado_ = std::move(pacote->resultado);
    estado_->setText(QStringLiteral("Comparando com ") + nome_ + notaConcluida);
    if (aoConcluir) aoConcluir();
}

void TComparacaoGrafico::Descarta() {
    ++geracao_;
    executando_ = false;
    resultado_.reset();
    botao_->setEnabled(true);
    estado_->clear();
}

void TComparacaoGrafico::Espera() {
    Junta();
    QCoreApplication::sendPostedEvents(this);
}

void TComparacaoGrafico::Estilo(QLineSeries* comparada, const QLineSeries* propria) {
    QPen caneta = comparada->pen();
    if (propria) caneta.setColor(propria->pen().color());
    caneta.setStyle(Qt::DashLine);
    caneta.setWidth(1);
    comparada->setPen(caneta);
}

bool TComparacaoGrafico::DaComparacao(const QLineSeries* serie) {
    return serie->property(PropriedadeComparacao).toBool();
}

void TComparacaoGrafico::MarcaComparacao(QLineSeries* serie) { serie->setProperty(PropriedadeComparacao, true); }
