#include "app/ui/frmEntradaDados.h"

#include <QFileInfo>
#include <QUndoStack>

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>
#include <memory>

#include "analise/Analise.h"
#include "core/Erros.h"
#include "core/Membro.h"
#include "core/Numeros.h"
#include "core/Processo.h"
#include "core/Validacao.h"
#include "core/Projeto.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "core/ui/Janelas.h"
#include "core/ui/ProgressoJanela.h"
#include "core/ui/CamposNumericos.h"
#include "input/ui/frmCalorIntDiscr.h"
#include "input/ui/frmCalorInterno.h"
#include "input/ui/frmMaturidade.h"
#include "input/ui/frmCoefConv.h"
#include "input/ui/frmCondCont.h"
#include "input/ui/frmCondInic.h"
#include "input/ui/frmCura.h"
#include "input/ui/frmEscolhaCalor.h"
#include "input/ui/frmMembro.h"
#include "input/ui/frmTabelaMembro.h"
#include "input/ui/frmUnidades.h"
#include "app/ui/frmInformacoes.h"
#include "relatorio/ui/frmRelatorio.h"
#include "results/ui/Form1.h"
#include "core/ui/PainelGrafico.h"
#include "results/ui/frmCores.h"
#include "results/ui/frmEixo.h"
#include "results/ui/frmGrafAmpliado.h"
#include "results/ui/frmGrafEixoAmpliado.h"
#include "results/ui/frmGrafico.h"
#include "results/ui/frmResultados.h"
#include "results/ui/frmResumoTermico.h"
#include "results/ResumoTermico.h"
#include "verificacao/ui/frmVerificacao.h"
#include "estudos/ui/frmEstudo.h"
#include "obra/ui/frmTemperaturaMistura.h"
#include "serpentinas/ui/frmResultadoSerpentinas.h"
#include "obra/ui/frmLaterais.h"
#include "results/ui/frmSalvarNo.h"
#include "results/ui/frmTemperaturaNo.h"
#include "stress/ui/frmTensional.h"

namespace {

QPushButton* Botao(QWidget* pai, const char* nome, const QString& texto) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(QString::fromLatin1(nome));
    return b;
}

// The run button carries only a picture: a green "play" triangle.
QIcon IconeExecutar() {
    QPixmap p(40, 40);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(QColor(0, 90, 0), 2));
    g.setBrush(QColor(40, 170, 40));
    const QPointF triangulo[] = {{10, 6}, {34, 20}, {10, 34}};
    g.drawPolygon(triangulo, 3);
    return QIcon(p);
}

// The run keeps the event loop for repaints only; the busy cursor says so.
struct CursorOcupado {
    CursorOcupado() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CursorOcupado() { QApplication::restoreOverrideCursor(); }
};
}  // namespace

TfrmEntradaDados::TfrmEntradaDados(Contexto& ctx, QWidget* parent)
    : QMainWindow(parent),
      encerraPrograma([] { QCoreApplication::quit(); }),
      gbxEntrada(new QGroupBox(QStringLiteral("Entrada de Dados"))),
      btnMembro(Botao(gbxEntrada, "btnMembro", QStringLiteral("Inserir Membro"))),
      btnTabelaMembro(Botao(gbxEntrada, "btnTabelaMembro", QStringLiteral("Tabela do Membro"))),
      btnCalorInt(Botao(gbxEntrada, "btnCalorInt", QStringLiteral("Calor Interno"))),
      btnCondCont(Botao(gbxEntrada, "btnCondCont", QStringLiteral("Condições Contorno"))),
      btnCondIni(Botao(gbxEntrada, "btnCondIni", QStringLiteral("Condições Iniciais"))),
      btnTensional(Botao(nullptr, "btnTensional", QStringLiteral("Análise Tensional"))),
      spNelem(new QSpinBox),
      btnRUN(Botao(nullptr, "btnRUN", QString())),
      gaTransiente(new Gauge),
      pbarProcesso(new QProgressBar),
      sbComentarios(new QStatusBar),
      ctx_(ctx),
      painel0_(new QLabel),
      painel1_(new QLabel) {
    setObjectName(QStringLiteral("frmEntradaDados"));
    setWindowTitle(QStringLiteral("          Norvik - 1D"));
    gbxEntrada->setObjectName(QStringLiteral("gbxEntrada"));

    auto* colunaEntrada = new QVBoxLayout(gbxEntrada);
    for (QPushButton* b : {btnMembro, btnTabelaMembro, btnCalorInt, btnCondCont, btnCondIni}) b->setMinimumHeight(30);
    {
        auto* linhaMembro = new QHBoxLayout;
        linhaMembro->addWidget(btnMembro, 1);
        linhaMembro->addWidget(btnTabelaMembro, 1);
        colunaEntrada->addLayout(linhaMembro);
    }
    for (QPushButton* b : {btnCalorInt, btnCondCont, btnCondIni}) colunaEntrada->addWidget(b);
    btnTensional->setMinimumHeight(30);
    btnTensional->setEnabled(false);

    spNelem->setObjectName(QStringLiteral("spNelem"));
    // A member holds at most MaxNos nodes: one layer of MaxNos − 1 elements.
    spNelem->setRange(1, MaxNos - 1);
    spNelem->setValue(1);
    auto* lbNelem = new QLabel(QStringLiteral("Elementos Finitos\npor Camada"));
    lbNelem->setObjectName(QStringLiteral("lbNelem"));
    lbNelem->setAlignment(Qt::AlignCenter);

    btnRUN->setIcon(IconeExecutar());
    btnRUN->setIconSize(QSize(40, 40));
    btnRUN->setMinimumSize(64, 56);
    btnRUN->setToolTip(QStringLiteral("Executar a Análise Térmica"));
    btnRUN->setEnabled(false);

    gaTransiente->setObjectName(QStringLiteral("gaTransiente"));
    gaTransiente->setToolTip(QStringLiteral("Percentagem Concluída da Análise"));
    gaTransiente->setMaxValue(100);
    gaTransiente->setProgress(0);

    pbarProcesso->setObjectName(QStringLiteral("pbarProcesso"));
    pbarProcesso->setOrientation(Qt::Vertical);
    pbarProcesso->setRange(0, 100);
    pbarProcesso->setValue(0);
    pbarProcesso->setTextVisible(false);
    pbarProcesso->setFixedWidth(18);
    // Shown by the run; its room is kept so that nothing moves when it appears.
    QSizePolicy politica = pbarProcesso->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    pbarProcesso->setSizePolicy(politica);
    pbarProcesso->hide();

    auto* colunaEsquerda = new QVBoxLayout;
    colunaEsquerda->addWidget(gbxEntrada);
    colunaEsquerda->addWidget(btnTensional);
    colunaEsquerda->addStretch();

    auto* colunaExecucao = new QVBoxLayout;
    colunaExecucao->addWidget(lbNelem);
    colunaExecucao->addWidget(spNelem);
    colunaExecucao->addSpacing(8);
    colunaExecucao->addWidget(btnRUN, 0, Qt::AlignHCenter);
    colunaExecucao->addSpacing(8);
    colunaExecucao->addWidget(gaTransiente, 1);

    auto* central = new QWidget;
    auto* linha = new QHBoxLayout(central);
    linha->addLayout(colunaEsquerda, 3);
    linha->addLayout(colunaExecucao, 2);
    linha->addWidget(pbarProcesso);
    setCentralWidget(central);

    sbComentarios->setObjectName(QStringLiteral("sbComentarios"));
    sbComentarios->setSizeGripEnabled(false);
    painel0_->setObjectName(QStringLiteral("sbComentarios0"));
    painel1_->setObjectName(QStringLiteral("sbComentarios1"));
    painel0_->setMinimumWidth(260);
    sbComentarios->addWidget(painel0_, 3);
    sbComentarios->addWidget(painel1_, 1);
    setStatusBar(sbComentarios);

    CriaMenus();

    Janelas& j = ctx_.janelas;
    connect(btnMembro, &QPushButton::clicked, this, [this, &j] {
        ExecutaAcao(ctx_.msg, [&] { j.frmMembro->Abre(); });
    });
    connect(btnTabelaMembro, &QPushButton::clicked, this, [this, &j] {
        ExecutaAcao(ctx_.msg, [&] { j.frmTabelaMembro->Abre(); });
    });
    connect(btnCalorInt, &QPushButton::clicked, this, [this, &j] {
        ExecutaAcao(ctx_.msg, [&] { j.frmEscolhaCalor->Abre(); });
    });
    connect(btnCondCont, &QPushButton::clicked, this, [this] { CondicoesContorno(); });
    connect(btnCondIni, &QPushButton::clicked, this, [this, &j] {
        ExecutaAcao(ctx_.msg, [&] { j.frmCondInic->Abre(); });
    });
    connect(btnTensional, &QPushButton::clicked, this, [&j] { CamposNumericos::ApresentaJanela(j.frmTensional); });
    connect(btnRUN, &QPushButton::clicked, this, [this] { Executa(); });
    resize(460, 330);
    MarcaProblemaSalvo();
}

namespace {
// The quick guide: a whole analysis, in the order the windows take it.
QString TextoGuiaRapido() {
    return QStringLiteral(
        "Guia rápido de uma análise:\n"
        "1. \"Arquivo\", \"Abrir...\" (Ctrl+O) carrega um projeto; \"Novo\" (Ctrl+N) começa um vazio.\n"
        "2. \"Inserir Membro\" ou \"Tabela do Membro\": as camadas, de baixo para cima. Cada diálogo por camada "
        "mostra a camada guardada; \"Anterior\", \"Próxima\" e o seletor vão direto a uma camada sem gravar "
        "nada; \"Ok\"/\"Inserir\" grava só a camada mostrada.\n"
        "3. \"Calor Interno\", \"Condições Contorno\" e \"Condições Iniciais\" completam o problema.\n"
        "4. O número de elementos por camada e \"Run\": a análise térmica; \"Resultados\" mostra tabelas, "
        "gráficos, mapa de cores, resumo e relatório.\n"
        "5. \"Tensões\": fluência, restrição e resistências, e a análise de tensões.\n"
        "6. \"Editar\", \"Desfazer\" (Ctrl+Z) e \"Refazer\" (Ctrl+Y) voltam e refazem cada alteração do "
        "problema; \"Salvar\" (Ctrl+S) grava o projeto no seu arquivo. Números com vírgula decimal.");
}
}  // namespace

void TfrmEntradaDados::CriaMenus() {
    Janelas& j = ctx_.janelas;
    auto acao = [this](const char* nome, const QString& texto) {
        auto* a = new QAction(texto, this);
        a->setObjectName(QString::fromLatin1(nome));
        return a;
    };
    ReinicializarNorvik1DCE1 = acao("ReinicializarNorvik1DCE1", QStringLiteral("Nova Análise"));
    NovoProjeto = acao("NovoProjeto", QStringLiteral("Novo"));
    NovoProjeto->setShortcut(QKeySequence::New);
    AbrirProjeto = acao("AbrirProjeto", QStringLiteral("Abrir..."));
    AbrirProjeto->setShortcut(QKeySequence::Open);
    SalvarAtual = acao("SalvarAtual", QStringLiteral("Salvar"));
    SalvarAtual->setShortcut(QKeySequence::Save);
    SalvarProjeto = acao("SalvarProjeto", QStringLiteral("Salvar Como..."));
    Unidade1 = acao("Unidade1", QStringLiteral("Unidades"));
    Sair = acao("Sair", QStringLiteral("Sair"));
    VisualizarResultados1 = acao("VisualizarResultados1", QStringLiteral("Visualizar Resultados"));
    VisualizarResultados1->setEnabled(false);
    Programa1 = acao("Programa1", QStringLiteral("Sobre o Norvik-1D"));
    GuiaRapido = acao("GuiaRapido", QStringLiteral("Guia Rápido"));
    GuiaRapido->setShortcut(QKeySequence::HelpContents);
    Definicoes = acao("Definicoes", QStringLiteral("Definições"));

    QMenu* arquivo = menuBar()->addMenu(QStringLiteral("Arquivo"));
    arquivo->setObjectName(QStringLiteral("Arquivo"));
    arquivo->addAction(ReinicializarNorvik1DCE1);
    arquivo->addSeparator();
    arquivo->addAction(NovoProjeto);
    arquivo->addAction(AbrirProjeto);
    menuRecentes = arquivo->addMenu(QStringLiteral("Projetos Recentes"));
    menuRecentes->setObjectName(QStringLiteral("menuRecentes"));
    connect(menuRecentes, &QMenu::aboutToShow, this, [this] { MontaRecentes(); });
    arquivo->addAction(SalvarAtual);
    arquivo->addAction(SalvarProjeto);
    arquivo->addSeparator();
    arquivo->addAction(Unidade1);
    arquivo->addSeparator();
    arquivo->addAction(Sair);
    if (ctx_.historico) {
        QMenu* editar = menuBar()->addMenu(QStringLiteral("Editar"));
        editar->setObjectName(QStringLiteral("Editar"));
        ctx_.historico->AcrescentaAcoes(editar);
        // Undo and redo put back a problem: every dialog shows it.
        connect(ctx_.historico, &HistoricoProblema::Restaurado, this, [this] { MostraProblema(false); });
    }
    QMenu* resultados = menuBar()->addMenu(QStringLiteral("Resultados"));
    resultados->setObjectName(QStringLiteral("Resultados"));
    resultados->addAction(VisualizarResultados1);
    // Studies run their own copies of the problem: open with or without a run.
    QAction* estudo = resultados->addAction(QStringLiteral("Estudo de Cronograma..."));
    estudo->setObjectName(QStringLiteral("EstudoCronograma1"));
    connect(estudo, &QAction::triggered, this, [this] {
        if (ctx_.janelas.frmEstudo) ctx_.janelas.frmEstudo->Abre();
    });
    QAction* aguaSerpentinas = resultados->addAction(QStringLiteral("Serpentinas: Água e Calor..."));
    aguaSerpentinas->setObjectName(QStringLiteral("ResultadoSerpentinas1"));
    connect(aguaSerpentinas, &QAction::triggered, this, [this] {
        if (ctx_.janelas.resultadoSerpentinas) ctx_.janelas.resultadoSerpentinas->Abre();
    });
    QMenu* obra = menuBar()->addMenu(QStringLiteral("Obra"));
    obra->setObjectName(QStringLiteral("Obra"));
    QAction* mistura = obra->addAction(QStringLiteral("Temperatura de Lançamento pela Mistura..."));
    mistura->setObjectName(QStringLiteral("TemperaturaMistura1"));
    connect(mistura, &QAction::triggered, this, [this] {
        if (ctx_.janelas.frmTemperaturaMistura) ctx_.janelas.frmTemperaturaMistura->Abre();
    });
    QAction* serpentinas = obra->addAction(QStringLiteral("Serpentinas de Resfriamento..."));
    serpentinas->setObjectName(QStringLiteral("Serpentinas1"));
    connect(serpentinas, &QAction::triggered, this, [this] {
        if (ctx_.janelas.serpentinas) ctx_.janelas.serpentinas->Abre();
    });
    QAction* laterais = obra->addAction(QStringLiteral("Dimensões em Planta..."));
    laterais->setObjectName(QStringLiteral("DimensoesPlanta1"));
    connect(laterais, &QAction::triggered, this, [this] {
        if (ctx_.janelas.frmLaterais) ctx_.janelas.frmLaterais->Abre();
    });
    QMenu* info = menuBar()->addMenu(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("Info"));
    info->addAction(Programa1);
    QMenu* ajuda = menuBar()->addMenu(QStringLiteral("Ajuda"));
    ajuda->setObjectName(QStringLiteral("Ajuda"));
    ajuda->addAction(GuiaRapido);
    ajuda->addAction(Definicoes);
    connect(GuiaRapido, &QAction::triggered, this, [this] { ctx_.msg.informacao(TextoGuiaRapido()); });
    connect(Definicoes, &QAction::triggered, this,
            [this] { ctx_.msg.informacao(QString::fromStdString(TResumoTermico::Definicao())); });
    connect(NovoProjeto, &QAction::triggered, this, [this] { ExecutaAcao(ctx_.msg, [&] { NovoProblema(); }); });
    connect(SalvarAtual, &QAction::triggered, this, [this] {
        if (caminhoProjeto_.isEmpty()) {
            SalvaProjeto();
        } else {
            ExecutaAcao(ctx_.msg, [&] { SalvaEm(caminhoProjeto_); });
        }
    });
    if (ctx_.historico) {
        connect(&ctx_.historico->Pilha(), &QUndoStack::indexChanged, this, [this] {
            AtualizaTitulo();
            AtualizaRecuperacao();
        });
    }

    connect(ReinicializarNorvik1DCE1, &QAction::triggered, this, [this] { ExecutaAcao(ctx_.msg, [&] { NovaAnalise(); }); });
    connect(AbrirProjeto, &QAction::triggered, this, [this] { AbreProjeto(); });
    connect(SalvarProjeto, &QAction::triggered, this, [this] { SalvaProjeto(); });
    connect(Unidade1, &QAction::triggered, this, [&j] { CamposNumericos::ApresentaJanela(j.frmUnidades); });
    connect(Sair, &QAction::triggered, this, [this] { PerguntaSair(); });
    connect(VisualizarResultados1, &QAction::triggered, this, [this, &j] {
        ExecutaAcao(ctx_.msg, [&] {
            j.frmResultados->DesenhaMalha();
            CamposNumericos::ApresentaJanela(j.frmResultados);
        });
    });
    connect(Programa1, &QAction::triggered, this, [&j] { CamposNumericos::ApresentaJanela(j.frmInformacoes); });
}

void TfrmEntradaDados::CondicoesContorno() {
    Janelas& j = ctx_.janelas;
    ExecutaAcao(ctx_.msg, [&] {
        if (ctx_.msg.confirma(QStringLiteral(
                "Deseja Considerar a Influência da Cura do Concreto no Coeficiente de Convecção?"))) {
            j.frmCura->Abre();
            AlteraProblema(ctx_, QStringLiteral("Cura considerada"), [&] { ctx_.dados.CuraAtiva = true; });
        } else {
            AlteraProblema(ctx_, QStringLiteral("Cura não considerada"), [&] { ctx_.dados.CuraAtiva = false; });
            j.frmCoefConv->Abre();
        }
    });
}

void TfrmEntradaDados::ExecutaConsistente() {
    if (ctx_.dados.Formulacao != TFormulacao::Consistente)
        AlteraProblema(ctx_, QStringLiteral("Formulação consistente"),
                       [this] { ctx_.dados.Formulacao = TFormulacao::Consistente; });
    Executa();
}

void TfrmEntradaDados::Executa() {
    TDadosModelo& d = ctx_.dados;
    Janelas& j = ctx_.janelas;
    ExecutaAcao(ctx_.msg, [&] {
        const int nElem = spNelem->value();
        // A member beyond the capacities is refused before anything is asked or computed.
        const int antesElem = d.NElemCamada;
        const int antesAtivos = d.NElemAtivos;
        d.NElemCamada = nElem;
        d.NElemAtivos = nElem;
        try {
            TProcesso::ValidaEntrada(d);
        } catch (...) {
            d.NElemCamada = antesElem;
            d.NElemAtivos = antesAtivos;
            throw;
        }
        // Unusual values run; the engineer is told of them first.
        if (const auto avisos = Validacao::ValidaProblema(d).Avisos; !avisos.empty()) {
            std::string texto;
            for (const auto& a : avisos) texto += (texto.empty() ? "" : "\n") + a;
            ctx_.msg.informacao(QString::fromStdString(texto));
        }
        // After "Sair" in the layer dialog the run takes only the layers walked through.
        if (d.NCamadasMembro > d.NCamadas &&
            !ctx_.msg.confirma(QStringLiteral("A análise considerará %1 das %2 camadas do membro. Deseja continuar?")
                                   .arg(d.NCamadas)
                                   .arg(d.NCamadasMembro))) {
            d.NElemCamada = antesElem;
            d.NElemAtivos = antesAtivos;
            return;
        }
        if (nElem > 2 && d.NCamadas > 50 &&
            !ctx_.msg.confirma(
                QStringLiteral("O número total de elementos está alto. Deseja mesmo assim iniciar Análise?"))) {
            d.NElemCamada = antesElem;
            d.NElemAtivos = antesAtivos;
            return;
        }

        DescartaResultados(Descarte::Execucao);
        ResultadoTransiente r;
        {
            CursorOcupado cursor;
            emExecucao_ = true;
            struct FimExecucao {
                bool& b;
                ~FimExecucao() { b = false; }
            } fim{emExecucao_};
            ProgressoJanela progresso(gaTransiente, pbarProcesso, painel0_);
            // The run works on a copy of the problem; the window then takes the fields the
            // run writes (the member's final state, the maximum, the colour scale).
            d.TermicoCompleto = false;
            OpcoesAnalise opcoes;
            opcoes.Pintor = j.frmCores;
            opcoes.Revisao = RevisaoAtual(ctx_);
            Analise analise = Analise::Executa(d, opcoes, progresso);
            Analise::CopiaResultadosTermicos(*analise.Dados, d);
            ctx_.analise = std::move(analise);
            ctx_.analise.Temperaturas.EscreveTexto(ctx_.temperaturas);
            r = ctx_.analise.Termico;
            progresso.Conclui();
        }
        // The windows of results look again at where theirs came from.
        if (ctx_.historico) ctx_.historico->AnunciaResultados();
        // Which formulation the table now in memory comes from, so that no one mistakes one for the other.
        painel1_->setText(d.Formulacao == TFormulacao::Consistente ? QStringLiteral("Formulação consistente")
                                                                   : QStringLiteral("Formulação clássica"));
        if (fecharAoTerminar_) return;  // nothing more is shown of a program that is closing
        if (!r.Completo) {
            ctx_.msg.informacao(QString::fromStdString(TProcesso::MensagemFim(r, d)) +
                                QStringLiteral(" Nada foi pós-processado."));
            return;
        }
        j.frmResultados->DesenhaMalha();
        j.frmCores->DefineLimitesHora(static_cast<int>(Membro::HoraAbsoluta(d, 1, 1)),
                                      static_cast<int>(Membro::UltimaHoraInteira(d)));
        j.Form1->AtualizaTabela();
        ctx_.msg.informacao(QString::fromStdString(r.Mensagem));
        btnTensional->setEnabled(true);
        VisualizarResultados1->setEnabled(true);
    });
    if (fecharAoTerminar_) {
        fecharAoTerminar_ = false;
        close();
    }
}

void TfrmEntradaDados::NovaAnalise() {
    TDadosModelo& d = ctx_.dados;
    if (ctx_.janelas.frmMembro) ctx_.janelas.frmMembro->HabilitaFundacao();
    btnTensional->setEnabled(false);
    spNelem->setValue(1);
    gaTransiente->setProgress(0);
    pbarProcesso->setValue(0);
    btnRUN->setEnabled(false);
    DescartaResultados(Descarte::Execucao);
    AlteraProblema(ctx_, QStringLiteral("Nova Análise"), [&] {
        for (int L = 1; L <= d.NCamadas && L <= MaxCamadas; ++L) d.Camadas[static_cast<std::size_t>(L)].HoraConcretagem = 0;
    });
    painel0_->setText(QStringLiteral("                 Início de Nova Análise "));
}

void TfrmEntradaDados::DescartaResultados(Descarte alcance) {
    TDadosModelo& d = ctx_.dados;
    Janelas& j = ctx_.janelas;
    // Nodes of layers not yet placed are written as they stand in the vector: from
    // zero, as in a fresh program, never from the end of an earlier run.
    d.Temperaturas.fill(0.0);
    painel1_->clear();
    if (j.frmTensional) j.frmTensional->DescartaResultados();
    for (QWidget* w : std::initializer_list<QWidget*>{j.frmResumoTermico, j.frmTemperaturaNo, j.frmSalvarNo,
                                                      j.frmResultadoSerpentinas})
        if (w) w->hide();
    if (j.frmVerificacao) j.frmVerificacao->Descarta();
    // Curves and profiles were read from the table the run replaces: none is kept.
    if (j.frmGrafico) j.frmGrafico->cGraficoNos->RemoveSeries();
    // A comparison was asked for beside the run that goes: it goes with it.
    if (j.frmGrafico) j.frmGrafico->DescartaComparacao();
    if (j.frmEixo) j.frmEixo->DescartaComparacao();
    if (j.frmRelatorio) j.frmRelatorio->DescartaComparacao();
    if (j.frmGrafAmpliado) j.frmGrafAmpliado->cGraficoNosAmpl->RemoveSeries();
    if (j.frmEixo) j.frmEixo->cGraficoEixo->RemoveSeries();
    if (j.frmGrafEixoAmpliado) j.frmGrafEixoAmpliado->cGraficoEixoAmpl->RemoveSeries();
    for (QWidget* w : std::initializer_list<QWidget*>{j.frmGrafico, j.frmEixo, j.frmGrafAmpliado, j.frmGrafEixoAmpliado})
        if (w) w->hide();
    if (alcance != Descarte::Problema) return;

    // The table and the scale of the replaced member: an empty table (freeing it is
    // cheap; the next run sizes its own) and the bounds of a program just started.
    btnTensional->setEnabled(false);
    VisualizarResultados1->setEnabled(false);
    gaTransiente->setProgress(0);
    pbarProcesso->setValue(0);
    ctx_.temperaturas = TabelaTexto();
    ctx_.analise = Analise();
    d.TMaxEscala = 0.0;
    d.TMinEscala = 10000.0;
    if (j.Form1) j.Form1->AtualizaTabela();
    for (QWidget* w : std::initializer_list<QWidget*>{j.Form1, j.frmResultados, j.frmCores})
        if (w) w->hide();
}

void TfrmEntradaDados::HabilitaExecucao() { btnRUN->setEnabled(true); }

int TfrmEntradaDados::ElementosPorCamada() const { return spNelem->value(); }

void TfrmEntradaDados::PerguntaSair() {
    ExecutaAcao(ctx_.msg, [&] {
        if (ctx_.msg.confirma(QStringLiteral("Deseja Sair do Programa Norvik 1D?"))) close();
    });
}

void TfrmEntradaDados::closeEvent(QCloseEvent* evento) {
    // The window's frame stays live while a run repaints it: the run ends first.
    if (emExecucao_) {
        // Closed mid-run: the run goes on to its end (about a second at capacity), then the program closes.
        fecharAoTerminar_ = true;
        evento->ignore();
        return;
    }
    // Whichever way the program is left (its menus or the frame), a changed problem is offered to be saved.
    if (ProblemaMudou()) {
        const std::optional<bool> salvar = ctx_.msg.confirmaOuCancela(QStringLiteral(
            "O problema foi alterado desde que foi aberto ou salvo. Deseja salvar o projeto antes de sair?"));
        if (!salvar || (*salvar && !SalvaProjeto())) {
            evento->ignore();
            return;
        }
    }
    evento->accept();
    // A clean exit: nothing is left to recover.
    if (recuperacao_) recuperacao_->Remove();
    if (encerraPrograma) encerraPrograma();
}

std::string TfrmEntradaDados::ImpressaoProblema() const {
    try {
        return Projeto::Conteudo(ctx_.dados) + "NElemCamada da janela: " + std::to_string(spNelem->value());
    } catch (const std::exception& e) {
        // A value that is not finite cannot be saved; it still differs from any saved problem.
        return std::string("sem texto: ") + e.what();
    }
}

bool TfrmEntradaDados::ProblemaMudou() const { return ImpressaoProblema() != impressaoSalva_; }

void TfrmEntradaDados::AbreProjeto() {
    ExecutaAcao(ctx_.msg, [&] {
        const auto caminho = ctx_.arquivos.abrir(FiltroProjeto());
        if (!caminho) return;
        AbreArquivo(*caminho);
    });
}

void TfrmEntradaDados::AbreArquivo(const QString& caminho) {
    TDadosModelo& d = ctx_.dados;
    Janelas& j = ctx_.janelas;
    ExecutaAcao(ctx_.msg, [&] {
        Projeto::Le(caminho.toStdString(), d);
        DescartaResultados(Descarte::Problema);
        // A grid left open holds the replaced member: its "Ok" must not bring it back.
        if (j.frmTabelaMembro) j.frmTabelaMembro->hide();
        spNelem->setValue(d.NElemCamada >= 1 ? d.NElemCamada : 1);
        // The changes made before belong to the problem it replaced.
        if (ctx_.historico) ctx_.historico->Limpa();
        MostraProblema(true);
        btnRUN->setEnabled(true);
        caminhoProjeto_ = caminho;
        LembraRecente(caminho);
        MarcaProblemaSalvo();
        MostraArquivo(QStringLiteral("Projeto aberto: "), caminho);
    });
}

// "Novo": the problem of a program just started, after the changed one is offered
// to be saved.
void TfrmEntradaDados::NovoProblema() {
    if (ProblemaMudou()) {
        const std::optional<bool> salvar = ctx_.msg.confirmaOuCancela(QStringLiteral(
            "O problema foi alterado desde que foi aberto ou salvo. Deseja salvar o projeto antes de começar outro?"));
        if (!salvar || (*salvar && !SalvaProjeto())) return;
    }
    const auto novo = std::make_unique<TDadosModelo>();
    Projeto::CopiaProblema(*novo, ctx_.dados);
    NovaAnalise();
    DescartaResultados(Descarte::Problema);
    if (ctx_.janelas.frmTabelaMembro) ctx_.janelas.frmTabelaMembro->hide();
    if (ctx_.historico) ctx_.historico->Limpa();
    MostraProblema(true);
    caminhoProjeto_.clear();
    nomeProjeto_.clear();
    painel0_->setToolTip(QString());
    MarcaProblemaSalvo();
}

bool TfrmEntradaDados::SalvaProjeto() {
    bool salvo = false;
    ExecutaAcao(ctx_.msg, [&] {
        auto caminho = ctx_.arquivos.salvar(FiltroProjeto());
        if (!caminho) return;
        if (!caminho->endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) {
            *caminho += QStringLiteral(".n1d.json");
            // The file dialog asked about the name typed, not about this one.
            if (QFileInfo::exists(*caminho) &&
                !ctx_.msg.confirma(QStringLiteral("O arquivo \"%1\" já existe. Deseja substituí-lo?")
                                       .arg(QFileInfo(*caminho).fileName())))
                return;
        }
        salvo = SalvaEm(*caminho);
    });
    return salvo;
}

bool TfrmEntradaDados::SalvaEm(QString caminho) {
    // The element count is the window's until a run stores it: save what the user sees.
    auto copia = std::make_unique<TDadosModelo>(ctx_.dados);
    copia->NElemCamada = spNelem->value();
    Projeto::Grava(caminho.toStdString(), *copia);
    caminhoProjeto_ = caminho;
    LembraRecente(caminho);
    MarcaProblemaSalvo();
    MostraArquivo(QStringLiteral("Projeto salvo: "), caminho);
    return true;
}

void TfrmEntradaDados::UsaRecuperacao(std::unique_ptr<CopiaRecuperacao> copia) {
    recuperacao_ = std::move(copia);
    relogioRecuperacao_.stop();
    relogioRecuperacao_.disconnect();
    if (!recuperacao_) return;
    // Changes that no dialog confirms (the element count) are caught by the minute.
    relogioRecuperacao_.setInterval(60 * 1000);
    connect(&relogioRecuperacao_, &QTimer::timeout, this, [this] { AtualizaRecuperacao(); });
    relogioRecuperacao_.start();
    AtualizaRecuperacao();
}

void TfrmEntradaDados::AtualizaRecuperacao() {
    if (!recuperacao_) return;
    if (!ProblemaMudou()) {
        recuperacao_->Remove();
        return;
    }
    auto copia = std::make_unique<TDadosModelo>(ctx_.dados);
    copia->NElemCamada = spNelem->value();
    std::string texto;
    try {
        texto = Projeto::Conteudo(*copia);
    } catch (const ErroEntrada&) {
        return;  // a value that is not finite: the earlier copy stays
    }
    recuperacao_->Grava(texto, caminhoProjeto_);
}

bool TfrmEntradaDados::OfereceRecuperacao() {
    if (!recuperacao_) return false;
    for (const CopiaRecuperacao::Orfa& orfa : recuperacao_->Orfas()) {
        const QString nome =
            orfa.origem.isEmpty() ? QStringLiteral("um projeto sem nome") : QFileInfo(orfa.origem).fileName();
        const QString hora = orfa.gravada.toLocalTime().toString(QStringLiteral("HH:mm"));
        if (!ctx_.msg.confirma(
                QStringLiteral("Foi encontrada uma cópia de recuperação de %1 de %2. Restaurar?").arg(nome, hora))) {
            recuperacao_->Descarta(orfa);
            continue;
        }
        // A copy this program cannot read is reported and not offered again.
        const bool restaurado = ExecutaAcao(ctx_.msg, [&] { RestauraCopia(orfa); });
        recuperacao_->Descarta(orfa);
        if (restaurado) return true;
    }
    return false;
}

void TfrmEntradaDados::RestauraCopia(const CopiaRecuperacao::Orfa& orfa) {
    TDadosModelo& d = ctx_.dados;
    Projeto::LeRascunho(orfa.projeto, d);
    DescartaResultados(Descarte::Problema);
    if (ctx_.janelas.frmTabelaMembro) ctx_.janelas.frmTabelaMembro->hide();
    spNelem->setValue(d.NElemCamada >= 1 ? d.NElemCamada : 1);
    if (ctx_.historico) ctx_.historico->Limpa();
    MostraProblema(true);
    // The initial conditions were confirmed when the copy has a time step.
    btnRUN->setEnabled(d.PassoTempo >= 1);
    caminhoProjeto_ = orfa.origem;
    nomeProjeto_ = orfa.origem.isEmpty() ? QString() : QFileInfo(orfa.origem).fileName();
    // Not what any file holds: unsaved until saved.
    impressaoSalva_.clear();
    painel0_->setText(QStringLiteral("Projeto recuperado: ") +
                      (nomeProjeto_.isEmpty() ? QStringLiteral("sem nome") : nomeProjeto_));
    painel0_->setToolTip(orfa.origem);
    AtualizaTitulo();
    // The restored problem is this program's to keep now.
    AtualizaRecuperacao();
}

void TfrmEntradaDados::LembraRecente(const QString& caminho) {
    const QString absoluto = QFileInfo(caminho).absoluteFilePath();
    recentes.removeAll(absoluto);
    recentes.prepend(absoluto);
    while (recentes.size() > 8) recentes.removeLast();
    if (gravaRecentes) gravaRecentes(recentes);
}

void TfrmEntradaDados::MontaRecentes() {
    menuRecentes->clear();
    if (recentes.isEmpty()) {
        menuRecentes->addAction(QStringLiteral("(nenhum)"))->setEnabled(false);
        return;
    }
    int i = 1;
    for (const QString& caminho : recentes) {
        QAction* a = menuRecentes->addAction(QStringLiteral("&%1 %2").arg(i++).arg(QFileInfo(caminho).fileName()));
        a->setToolTip(caminho);
        a->setStatusTip(caminho);
        connect(a, &QAction::triggered, this, [this, caminho] {
            if (ProblemaMudou()) {
                const std::optional<bool> salvar = ctx_.msg.confirmaOuCancela(QStringLiteral(
                    "O problema foi alterado desde que foi aberto ou salvo. Deseja salvar o projeto antes de abrir outro?"));
                if (!salvar || (*salvar && !SalvaProjeto())) return;
            }
            AbreArquivo(caminho);
        });
    }
}

QString TfrmEntradaDados::PastaProjeto() const {
    return caminhoProjeto_.isEmpty() ? QString() : QFileInfo(caminhoProjeto_).absolutePath();
}

void TfrmEntradaDados::AtualizaTitulo() {
    const QString titulo = QStringLiteral("          Norvik - 1D");
    if (caminhoProjeto_.isEmpty()) {
        setWindowTitle(titulo);
        return;
    }
    setWindowTitle(titulo + QStringLiteral(" - ") + QFileInfo(caminhoProjeto_).fileName() + QStringLiteral("[*]"));
    setWindowModified(ProblemaMudou());
}

void TfrmEntradaDados::MostraProblema(bool novoProjeto) {
    Janelas& j = ctx_.janelas;
    j.frmUnidades->MostraEstado();
    j.frmMembro->MostraEstado(novoProjeto);
    j.frmEscolhaCalor->MostraEstado();
    j.frmCalorInterno->MostraEstado();
    j.frmCalorIntDiscr->MostraEstado();
    j.frmMaturidade->MostraEstado();
    j.frmCondInic->MostraEstado();
    j.frmCura->MostraEstado();
    j.frmCoefConv->MostraEstado();
    j.frmCondCont->MostraEstado();
    j.frmTensional->MostraEstado();
    if (j.frmTemperaturaMistura) j.frmTemperaturaMistura->MostraEstado();
    if (j.serpentinas) j.serpentinas->MostraEstado();
    if (j.frmLaterais) j.frmLaterais->MostraEstado();
}

void TfrmEntradaDados::MostraStatus(const QString& texto) {
    painel0_->setText(texto);
    painel0_->repaint();
}

void TfrmEntradaDados::MostraArquivo(const QString& rotulo, const QString& caminho) {
    // The panel is narrow: the file's name fits, the whole path is in the hint.
    nomeProjeto_ = QFileInfo(caminho).fileName();
    painel0_->setText(rotulo + nomeProjeto_);
    painel0_->setToolTip(caminho);
    AtualizaTitulo();
}
