#pragma once
#include <QLineEdit>
#include <QWidget>

#include "core/ui/Contexto.h"

// "Tensões Resistentes": the a and b of the four empirical strength-gain curves
// S(z) = z/(a+b.z) that the stress charts draw beside the stresses.
class TfrmTracaoFlexao : public QWidget {
    Q_OBJECT
public:
    explicit TfrmTracaoFlexao(Contexto& ctx, QWidget* parent = nullptr);

    // After a project file is opened: the fields show what the state holds.
    void MostraEstado();

    QLineEdit* edFlexaoA;
    QLineEdit* edFlexaoB;
    QLineEdit* edTracaoA;
    QLineEdit* edTracaoB;
    QLineEdit* edDiametralA;
    QLineEdit* edDiametralB;
    QLineEdit* edComprA;
    QLineEdit* edComprB;

private:
    void Ok();

    Contexto& ctx_;
};
