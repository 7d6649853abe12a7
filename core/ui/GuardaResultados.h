#pragma once
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <vector>

#include "core/ui/Contexto.h"

class QLabel;
class QWidget;

// What results were made from: the revision of the problem, and whether they read
// only what the thermal run reads (temperatures), so that a change of the stress data
// or of the measurements leaves them standing.
struct OrigemResultados {
    long Revisao = 0;
    bool SoTermica = false;
};

// Whether results of `origem` still describe the context's problem (no results: true).
bool ResultadosVigentes(const Contexto& ctx, const std::optional<OrigemResultados>& origem);

// The mark of results of an earlier problem, the same for every window that shows
// results. A window registers where its results came from and the controls that write
// to the problem or export the results as current. When the problem gets a new
// revision (a change, undo or redo, another project), when a run makes new results and
// when the window is shown, results of an earlier revision show the band "Resultados de
// uma versão anterior do problema" above the window and those controls are disabled
// until the window has results of the problem again (revisions only grow, so that
// happens only with new results).
class GuardaResultados : public QObject {
    Q_OBJECT
public:
    using Origem = std::function<std::optional<OrigemResultados>()>;

    // The guard of `janela` (its child); none without a history of the problem.
    static GuardaResultados* Registra(Contexto& ctx, QWidget* janela, Origem origem,
                                      std::vector<QObject*> controles);
    // The guard registered with `janela`, if any.
    static GuardaResultados* De(const QWidget* janela);

    bool Vigente() const { return vigente_; }
    // Looks again: a window calls it when its results changed, before enabling its controls.
    void Avalia();

    static QString TextoFaixa();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    GuardaResultados(Contexto& ctx, QWidget* janela, Origem origem, std::vector<QObject*> controles);
    void Bloqueia();
    void Libera();
    static bool Habilitado(QObject* controle);
    void Habilita(QObject* controle, bool habilitado);

    struct Controle {
        QPointer<QObject> objeto;
        bool desejado = true;  // what the window asked while it was blocked
    };
    Contexto& ctx_;
    QWidget* janela_;
    Origem origem_;
    std::vector<Controle> controles_;
    QLabel* faixa_ = nullptr;
    bool vigente_ = true;
    bool mudando_ = false;  // the guard itself is changing a control
};
