#pragma once
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "core/ui/Contexto.h"
#include "results/ExecucaoProjeto.h"

class QLineSeries;

// "Comparar com..." of a chart window: another project file, run in the
// background (the window stays responsive), whose curves the window lays over
// its own, dashed and named after the project. The run belongs to the problem
// shown when it was asked for: when the current problem runs again (or another
// is opened) the comparison is dropped, a run still going included, and must be
// asked for again.
class TComparacaoGrafico : public QObject {
    Q_OBJECT
public:
    TComparacaoGrafico(Contexto& ctx, QPushButton* botao, QLabel* estado, QObject* parent = nullptr);
    ~TComparacaoGrafico() override;

    // Asks for the file and starts its run.
    void Escolhe();
    // Starts the run of `caminho` (what Escolhe does after the file dialog).
    void Inicia(const QString& caminho);
    void Descarta();

    // The finished run, or null.
    const TExecucaoProjeto* Resultado() const { return resultado_.get(); }
    // The project's name as the legends show it.
    QString Nome() const { return nome_; }
    bool EmExecucao() const { return executando_; }
    // Waits for a run under way and delivers its end (for the tests).
    void Espera();

    // What the window does with a finished run: lay its curves over the shown ones.
    std::function<void()> aoConcluir;
    // And with a run that failed (after its message).
    std::function<void()> aoFalhar;
    // How the other project runs, asked when its run starts (unset: its own
    // formulation, thermal only).
    std::function<OpcoesExecucao()> opcoes;
    // What the state line says after the name once the run is in.
    QString notaConcluida = QStringLiteral(" (tracejado)");

    // The comparison's look: dashed, the colour of the curve it follows.
    static void Estilo(QLineSeries* comparada, const QLineSeries* propria);
    // Curves of the window itself, not laid over from the comparison.
    static bool DaComparacao(const QLineSeries* serie);
    static void MarcaComparacao(QLineSeries* serie);

private:
    struct Pacote;
    void Conclui(std::shared_ptr<Pacote> pacote, unsigned geracao);
    void Junta();

    Contexto& ctx_;
    QPushButton* botao_;
    QLabel* estado_;
    std::thread tarefa_;
    std::unique_ptr<TExecucaoProjeto> resultado_;
    QString nome_;
    unsigned geracao_ = 0;
    bool executando_ = false;
};
