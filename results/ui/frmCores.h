#pragma once
#include <QWidget>

#include "core/PosProcesso.h"
#include "core/ui/Contexto.h"

class TfrmCores : public QWidget, public PintorElemento {
    Q_OBJECT
public:
    explicit TfrmCores(Contexto& ctx, QWidget* parent = nullptr);

    void DesenhaElemento(int e, int m, double tInferior, double tSuperior, double tMaxEscala, double tMinEscala,
                         double alturaMembro, const std::array<TCamada, MaxElementos + 1>& elementos) override;
    // Limits of the start-hour control seTIni, set at the end of every complete run.
    void DefineLimitesHora(int minimo, int maximo);

private:
    Contexto& ctx_;
};
