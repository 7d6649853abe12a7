#pragma once
#include <QWidget>

#include "core/ui/Contexto.h"

class QAction;
class TPainelGrafico;

// A chart of one Bureau of Reclamation function of the age z over the first 100
// days, drawn from the parameters a and b typed in the Bureau window so that the
// engineer can judge them. Each press adds a curve; earlier ones stay.
class TJanelaCurvaBureau : public QWidget {
    Q_OBJECT
public:
    using Funcao = double (*)(double z, double a, double b);
    struct Textos {
        QString janela, grafico, eixoY, nomeFuncao;
    };

    TJanelaCurvaBureau(Contexto& ctx, const Textos& textos, Funcao funcao, QWidget* parent = nullptr);

    // Adds the curve of a and b for z = 1 .. 100 days and shows the window. A point
    // that is not a finite number (a zero denominator) stops with ErroCalculo,
    // nothing drawn.
    void AdicionaCurva(double a, double b);

    TPainelGrafico* cGrafico;
    QAction* SalvarFigura;  // "Arquivo", "Salvar Figura...": WMF, PNG, SVG or PDF

private:
    Contexto& ctx_;
    Funcao funcao_;
    QString nomeFuncao_;
};
