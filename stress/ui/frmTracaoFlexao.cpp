#include "stress/ui/frmTracaoFlexao.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <cmath>

#include "core/Erros.h"
#include "core/ui/CamposNumericos.h"
#include "core/ui/ExecutaAcao.h"
#include "core/ui/HistoricoProblema.h"
#include "stress/ResistenciaIdades.h"
#include "stress/Restricao.h"
#include "stress/ui/Formulario.h"

using namespace Formulario;

namespace {
struct Descricao {
    const char* nome;
    QString titulo;
    QString formula;
    const char* a;
    const char* b;
    // Starting texts of the other entries: about what the default a and b give.
    const char* f7;
    const char* f28;
    const char* razao;
};

QString Nome(const char* prefixo, const char* curva, const char* sufixo) {
    return QString::fromLatin1(prefixo) + QString::fromLatin1(curva) + QString::fromLatin1(sufixo);
}

QLabel* Unidade(QWidget* dono, const QString& texto) { return Rotulo(dono, nullptr, texto); }
}  // namespace

TfrmTracaoFlexao::TfrmTracaoFlexao(Contexto& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("frmTracaoFlexao"));
    setWindowTitle(QStringLiteral("Tensões Resistentes"));
    const Descricao descricoes[4] = {
        {"Flexao", QStringLiteral("Tração na Flexão"), QStringLiteral("Ftf(z) = z / (a+b.z)"), "0,54128", "0,189165",
         "3,75", "4,80", "0,16"},
        {"Tracao", QStringLiteral("Tração Simples"), QStringLiteral("Fts(z) = z / (a+b.z)"), "0,65271", "0,548387",
         "1,56", "1,75", "0,06"},
        {"Diametral", QStringLiteral("Tração por Compressão Diâmetral"), QStringLiteral("Ftcd(z) = z / (a+b.z)"),
         "0,525694", "0,272113", "2,88", "3,44", "0,11"},
        {"Compr", QStringLiteral("Compressão"), QStringLiteral("Fc(z) = z / (a+b.z)"), "0,0532665", "0,0311677",
         "25,79", "30,24", "1"},
    };
    QLineEdit** camposAB[4][2] = {{&edFlexaoA, &edFlexaoB}, {&edTracaoA, &edTracaoB},
                                  {&edDiametralA, &edDiametralB}, {&edComprA, &edComprB}};

    auto* gbx = Grupo(this, "gbxParametros", QStringLiteral("Parâmetros Empíricos"));
    auto* lg = new QGridLayout(gbx);
    for (int i = 0; i < 4; ++i) {
        const Descricao& ds = descricoes[i];
        Curva& c = curvas[i];
        c.a = *camposAB[i][0] = Campo(this, Nome("ed", ds.nome, "A").toLatin1().constData(), QString::fromLatin1(ds.a));
        c.b = *camposAB[i][1] = Campo(this, Nome("ed", ds.nome, "B").toLatin1().constData(), QString::fromLatin1(ds.b));
        c.entrada = new QComboBox(this);
        c.entrada->setObjectName(Nome("cbEntrada", ds.nome, ""));
        c.entrada->addItems({QStringLiteral("a e b"), QStringLiteral("f aos 7 e 28 dias"),
                             QStringLiteral("fck e razão")});
        c.f7 = Campo(this, Nome("ed", ds.nome, "F7").toLatin1().constData(), QString::fromLatin1(ds.f7));
        c.f28 = Campo(this, Nome("ed", ds.nome, "F28").toLatin1().constData(), QString::fromLatin1(ds.f28));
        c.razao = Campo(this, Nome("ed", ds.nome, "Razao").toLatin1().constData(), QString::fromLatin1(ds.razao),
                        QStringLiteral("Razão entre esta resistência e a resistência à compressão"));
        c.calculo = Rotulo(this, Nome("lb", ds.nome, "Calculo").toLatin1().constData(), QString());
        c.calculo->setWordWrap(true);

        auto* g = Grupo(this, nullptr, ds.titulo);
        auto* l = new QGridLayout(g);
        int linha = 0;
        l->addWidget(Rotulo(this, nullptr, ds.formula), linha++, 0, 1, 3);
        l->addWidget(Rotulo(this, nullptr, QStringLiteral("Entrada:")), linha, 0);
        l->addWidget(c.entrada, linha++, 1, 1, 2);
        const std::pair<QString, std::pair<QLineEdit*, QString>> linhas[] = {
            {QStringLiteral("a ="), {c.a, QStringLiteral("[dia/MPa]")}},
            {QStringLiteral("b ="), {c.b, QStringLiteral("[1/MPa]")}},
            {QStringLiteral("f(7 dias) ="), {c.f7, QStringLiteral("[MPa]")}},
            {QStringLiteral("f(28 dias) ="), {c.f28, QStringLiteral("[MPa]")}},
            {QStringLiteral("f / fc ="), {c.razao, QStringLiteral("[-]")}},
        };
        for (const auto& [rotulo, campo] : linhas) {
            l->addWidget(Rotulo(this, nullptr, rotulo), linha, 0);
            l->addWidget(campo.first, linha, 1);
            l->addWidget(Unidade(this, campo.second), linha++, 2);
        }
        l->addWidget(c.calculo, linha, 0, 1, 3);
        lg->addWidget(g, i / 2, i % 2);

        connect(c.entrada, &QComboBox::currentIndexChanged, this, [this, i] {
            AtualizaHabilitacao(curvas[i]);
            AtualizaCalculo(curvas[i]);
        });
        for (QLineEdit* e : {c.f7, c.f28, c.razao})
            connect(e, &QLineEdit::textEdited, this, [this, i] { AtualizaCalculo(curvas[i]); });
        AtualizaHabilitacao(c);
    }

    edFck = Campo(this, "edFck", QStringLiteral("30"), QStringLiteral("Resistência característica à compressão aos 28 dias"));
    cbCimento = new QComboBox(this);
    cbCimento->setObjectName(QStringLiteral("cbCimento"));
    cbCimento->addItems({QStringLiteral("Lento (CP III e CP IV, s = 0,38)"),
                         QStringLiteral("Normal (CP I e CP II, s = 0,25)"),
                         QStringLiteral("Rápido (CP V-ARI, s = 0,20)")});
    cbCimento->setCurrentIndex(1);
    auto* gFck = Grupo(this, "gbxFck", QStringLiteral("Curvas por fck (crescimento da NBR 6118)"));
    auto* lf = new QHBoxLayout(gFck);
    lf->addWidget(Rotulo(this, nullptr, QStringLiteral("fck =")));
    lf->addWidget(edFck);
    lf->addWidget(Unidade(this, QStringLiteral("[MPa]")));
    lf->addSpacing(12);
    lf->addWidget(Rotulo(this, nullptr, QStringLiteral("Cimento:")));
    lf->addWidget(cbCimento, 1);
    auto atualizaTodas = [this] {
        for (Curva& c : curvas) AtualizaCalculo(c);
    };
    connect(edFck, &QLineEdit::textEdited, this, atualizaTodas);
    connect(cbCimento, &QComboBox::currentIndexChanged, this, atualizaTodas);

    auto* btnOk = Botao(this, "btnOk", QStringLiteral("Ok"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(gbx);
    l->addWidget(gFck);
    l->addWidget(btnOk, 0, Qt::AlignHCenter);
    connect(btnOk, &QPushButton::clicked, this, [this] { ExecutaAcao(ctx_.msg, [this] { AlteraProblema(ctx_, QStringLiteral("Tensões Resistentes"), [this] { Ok(); }); }); });
}

void TfrmTracaoFlexao::AtualizaHabilitacao(Curva& c) {
    const int e = c.entrada->currentIndex();
    // Computed a and b are shown, not typed over.
    c.a->setReadOnly(e != PorAB);
    c.b->setReadOnly(e != PorAB);
    c.f7->setEnabled(e == PorIdades);
    c.f28->setEnabled(e == PorIdades);
    c.razao->setEnabled(e == PorFck);
    if (e == PorAB) c.calculo->clear();
}

std::pair<double, double> TfrmTracaoFlexao::Calcula(const Curva& c) const {
    ParametrosResistencia p;
    if (c.entrada->currentIndex() == PorIdades) {
        p = ResistenciaIdades::PorIdades(Real(c.f7), Real(c.f28));
    } else {
        p = ResistenciaIdades::PorFck(Real(edFck), Real(c.razao), static_cast<TCimentoNBR>(cbCimento->currentIndex()));
    }
    return {p.A, p.B};
}

void TfrmTracaoFlexao::AtualizaCalculo(Curva& c) {
    if (c.entrada->currentIndex() == PorAB) return;
    try {
        const auto [a, b] = Calcula(c);
        c.a->setText(CamposNumericos::Geral(a));
        c.b->setText(CamposNumericos::Geral(b));
        c.calculo->setText(QStringLiteral("a e b calculados; limite 1/b = %1 MPa")
                               .arg(CamposNumericos::Geral(std::round(100.0 / b) / 100.0)));
    } catch (const std::exception& e) {
        c.calculo->setText(QString::fromStdString(e.what()));
    }
}

void TfrmTracaoFlexao::Ok() {
    TDadosModelo& d = ctx_.dados;
    double* destinos[4][2] = {{&d.ResistFlexaoA, &d.ResistFlexaoB}, {&d.ResistTracaoA, &d.ResistTracaoB},
                              {&d.ResistDiametralA, &d.ResistDiametralB}, {&d.ResistComprA, &d.ResistComprB}};
    for (int i = 0; i < 4; ++i) {
        Curva& c = curvas[i];
        if (c.entrada->currentIndex() == PorAB) {
            *destinos[i][0] = Real(c.a);
            *destinos[i][1] = Real(c.b);
        } else {
            // The computed values themselves are stored, not their 15-digit text.
            const auto [a, b] = Calcula(c);
            c.a->setText(CamposNumericos::Geral(a));
            c.b->setText(CamposNumericos::Geral(b));
            *destinos[i][0] = a;
            *destinos[i][1] = b;
        }
    }
    hide();
}

void TfrmTracaoFlexao::MostraEstado() {
    const TDadosModelo& d = ctx_.dados;
    const double valores[4][2] = {{d.ResistFlexaoA, d.ResistFlexaoB}, {d.ResistTracaoA, d.ResistTracaoB},
                                  {d.ResistDiametralA, d.ResistDiametralB}, {d.ResistComprA, d.ResistComprB}};
    // The file holds a and b only: they are what is shown and entered again.
    for (int i = 0; i < 4; ++i) {
        curvas[i].entrada->setCurrentIndex(PorAB);
        curvas[i].a->setText(CamposNumericos::Geral(valores[i][0]));
        curvas[i].b->setText(CamposNumericos::Geral(valores[i][1]));
        // The strengths beside them are those the stored curve gives, to the hundredth.
        const double a = valores[i][0], b = valores[i][1];
        if (a + 7.0 * b > 0.0 && a + 28.0 * b > 0.0) {
            curvas[i].f7->setText(CamposNumericos::Geral(std::round(CurvaResistencia(7.0, a, b) * 100.0) / 100.0));
            curvas[i].f28->setText(CamposNumericos::Geral(std::round(CurvaResistencia(28.0, a, b) * 100.0) / 100.0));
        }
    }
}
