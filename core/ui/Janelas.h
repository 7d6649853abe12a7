#pragma once
#include <functional>
#include <optional>

class QWidget;
struct TDadosModelo;

// The registry of windows: one instance of each, created at start-up in this
// order and alive until exit. Windows reach each other only through it: the
// concrete pointers serve a window's own subsystem (and the tests); a window of
// another subsystem goes through the small interfaces below, which app/ui sets
// when it builds the windows, so no window includes another subsystem's windows.

// A window another subsystem only shows.
class JanelaAbre {
public:
    virtual ~JanelaAbre() = default;
    virtual void Abre() = 0;
};

// The report window: the results windows open it, the main window drops its
// comparison on a new run, the charts draw its limits.
class JanelaRelatorio : public JanelaAbre {
public:
    virtual void DescartaComparacao() = 0;
    // The limits as typed; nothing while the text is not a number.
    virtual std::optional<double> LimiteTemperatura() const = 0;
    virtual std::optional<double> LimiteDiferenca() const = 0;
};

// The table of the stress history, refreshed and hidden by the stress run.
class JanelaTensoes : public JanelaAbre {
public:
    virtual void AtualizaTabela() = 0;
    virtual void Esconde() = 0;
};

// A dialog another subsystem shows and refreshes when a project is opened.
class JanelaEstado : public JanelaAbre {
public:
    virtual void MostraEstado() = 0;
};

// The hourly-weather group the boundary-conditions dialog embeds: built by the
// site windows, placed by app/ui, read and written at the dialog's "Ok".
class GrupoClima {
public:
    virtual ~GrupoClima() = default;
    virtual QWidget* Grupo() = 0;
    // Told when the file is chosen as the ambient, or no longer.
    virtual void AoEscolher(std::function<void(bool arquivo)> escolhido) = 0;
    virtual void MostraEstado() = 0;
    virtual void Grava(TDadosModelo& dados) = 0;
};

// A dialog shown at one layer from another subsystem's dialog: it closes when
// `chamador` closes, and runs `confirmado` after it has written the problem, so the
// caller shows what changed.
class JanelaCamada {
public:
    virtual ~JanelaCamada() = default;
    virtual void Abre(int camada, QWidget* chamador, std::function<void()> confirmado) = 0;
};

class TfrmEntradaDados;
class TForm1;
class TfrmGrafico;
class TfrmMembro;
class TfrmCalorInterno;
class TfrmCondInic;
class TfrmCondCont;
class TfrmCores;
class TfrmEixo;
class TfrmCoefConv;
class TfrmCura;
class TfrmResultados;
class TfrmGrafAmpliado;
class TfrmGrafEixoAmpliado;
class TfrmTensional;
class TfrmFluencia;
class TfrmResultadoTensoes;
class TfrmGraficoTensional;
class TfrmE;
class TfrmF;
class TfrmEixoTensional;
class TfrmCalorIntDiscr;
class TfrmEscolhaCalor;
class TfrmCoefRestr;
class TfrmACI;
class TfrmTracaoFlexao;
class TfrmEscolhaFluencia;
class TfrmFluenciaACI;
class TfrmCEB;
class TfrmBazant;
class TfrmByfors;
class TfrmTemperaturaNo;
class TfrmSalvaArq;
class TfrmSalvarNo;
class TfrmUnidades;
class TfrmInformacoes;
class TfrmNBR6118;
class TfrmTelaApresentacao;
class TfrmResumoTermico;
class TfrmIndiceFissuracao;
class TfrmMaturidade;
class TfrmVerificacao;
class TfrmTabelaMembro;
class TfrmRelatorio;
class TfrmEstudo;
class TfrmTemperaturaMistura;
class TfrmCalibracao;
class TfrmProtecoes;
class TfrmLaterais;
class TGrupoClimaHorario;
class TfrmDosagem;
class TfrmSerpentinas;
class TfrmResultadoSerpentinas;
class TfrmAjusteRapido;

class Programa;

struct Janelas {
    // The program as a whole (the main window): what other windows ask of it.
    Programa* programa = nullptr;
    TfrmEntradaDados* frmEntradaDados = nullptr;
    TForm1* Form1 = nullptr;
    TfrmGrafico* frmGrafico = nullptr;
    TfrmMembro* frmMembro = nullptr;
    TfrmCalorInterno* frmCalorInterno = nullptr;
    TfrmCondInic* frmCondInic = nullptr;
    TfrmCondCont* frmCondCont = nullptr;
    TfrmCores* frmCores = nullptr;
    TfrmEixo* frmEixo = nullptr;
    TfrmCoefConv* frmCoefConv = nullptr;
    TfrmCura* frmCura = nullptr;
    TfrmResultados* frmResultados = nullptr;
    TfrmGrafAmpliado* frmGrafAmpliado = nullptr;
    TfrmGrafEixoAmpliado* frmGrafEixoAmpliado = nullptr;
    TfrmTensional* frmTensional = nullptr;
    TfrmFluencia* frmFluencia = nullptr;
    TfrmResultadoTensoes* frmResultadoTensoes = nullptr;
    TfrmGraficoTensional* frmGraficoTensional = nullptr;
    TfrmE* frmE = nullptr;
    TfrmF* frmF = nullptr;
    TfrmEixoTensional* frmEixoTensional = nullptr;
    TfrmCalorIntDiscr* frmCalorIntDiscr = nullptr;
    TfrmEscolhaCalor* frmEscolhaCalor = nullptr;
    TfrmCoefRestr* frmCoefRestr = nullptr;
    TfrmACI* frmACI = nullptr;
    TfrmTracaoFlexao* frmTracaoFlexao = nullptr;
    TfrmEscolhaFluencia* frmEscolhaFluencia = nullptr;
    TfrmFluenciaACI* frmFluenciaACI = nullptr;
    TfrmCEB* frmCEB = nullptr;
    TfrmBazant* frmBazant = nullptr;
    TfrmByfors* frmByfors = nullptr;
    TfrmTemperaturaNo* frmTemperaturaNo = nullptr;
    TfrmSalvaArq* frmSalvaArq = nullptr;
    TfrmSalvarNo* frmSalvarNo = nullptr;
    TfrmUnidades* frmUnidades = nullptr;
    TfrmInformacoes* frmInformacoes = nullptr;
    TfrmNBR6118* frmNBR6118 = nullptr;
    TfrmTelaApresentacao* frmTelaApresentacao = nullptr;
    TfrmResumoTermico* frmResumoTermico = nullptr;
    TfrmIndiceFissuracao* frmIndiceFissuracao = nullptr;
    TfrmMaturidade* frmMaturidade = nullptr;
    TfrmVerificacao* frmVerificacao = nullptr;
    TfrmTabelaMembro* frmTabelaMembro = nullptr;
    TfrmRelatorio* frmRelatorio = nullptr;
    TfrmEstudo* frmEstudo = nullptr;
    TfrmTemperaturaMistura* frmTemperaturaMistura = nullptr;
    TfrmCalibracao* frmCalibracao = nullptr;
    TfrmDosagem* frmDosagem = nullptr;
    TfrmSerpentinas* frmSerpentinas = nullptr;
    TfrmResultadoSerpentinas* frmResultadoSerpentinas = nullptr;
    TfrmLaterais* frmLaterais = nullptr;
    TfrmAjusteRapido* frmAjusteRapido = nullptr;
    // Parts of the boundary-conditions dialog (its children, not top-level windows).
    TfrmProtecoes* frmProtecoes = nullptr;
    TGrupoClimaHorario* gbxClimaHorario = nullptr;

    // What windows of other subsystems ask (set with the windows above).
    JanelaRelatorio* relatorio = nullptr;
    JanelaAbre* calibracao = nullptr;
    JanelaAbre* verificacao = nullptr;
    JanelaAbre* tensional = nullptr;
    JanelaTensoes* resultadoTensoes = nullptr;
    JanelaAbre* graficoTensional = nullptr;
    JanelaAbre* eixoTensional = nullptr;
    JanelaAbre* indiceFissuracao = nullptr;
    JanelaEstado* protecoes = nullptr;
    JanelaEstado* laterais = nullptr;
    GrupoClima* climaHorario = nullptr;
    JanelaCamada* dosagem = nullptr;
    // The cooling pipes' dialog (from the boundary-conditions dialog) and their results.
    JanelaEstado* serpentinas = nullptr;
    JanelaAbre* resultadoSerpentinas = nullptr;
    // The what-if panel, from the results window.
    JanelaAbre* ajusteRapido = nullptr;
};

// What the charts of other windows read of the report window: its limits, or the
// report's defaults when the registry has none.
namespace LimitesGraficos {
std::optional<double> Temperatura(const Janelas& janelas);
std::optional<double> Diferenca(const Janelas& janelas);
}  // namespace LimitesGraficos
