#pragma once
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TabelaNumerica.h"
#include "FalsosQt.h"
#include "app/ui/Aplicacao.h"
#include "core/Numeros.h"

// Every window with scripted boxes and dialogs, and a member whose history the
// test writes itself: `camadas` layers of `elementosPorCamada` elements, one metre
// each, placed at hour 0 (layer L at `intervalo`·(L − 1)), history for hours
// 1..tempoTotal with temperature `Temperatura(no, hora)`.
class AmbienteResultados : public ::testing::Test {
protected:
    void SetUp() override { app = std::make_unique<Aplicacao>(msg, arquivos); }

    static double Temperatura(int no, int hora) { return 20.0 + no + hora / 100.0; }

    void Membro(int camadas, int elementosPorCamada, int tempoTotal, int intervalo = 0) {
        TDadosModelo& d = app->dados();
        d.NCamadas = camadas;
        d.NCamadasMembro = camadas;
        d.NElemCamada = elementosPorCamada;
        d.CamadaAtual = camadas;
        d.NElemAtivos = camadas * elementosPorCamada;
        d.PassoTempo = 1;
        d.TempoTotal = tempoTotal;
        for (int L = 1; L <= camadas; ++L) {
            d.Camadas[L].XIni = L - 1;
            d.Camadas[L].Espessura = 1.0;
            d.Camadas[L].HoraConcretagem = intervalo * (L - 1);
        }
        const int n = camadas * elementosPorCamada;
        for (int e = 1; e <= n; ++e) {
            d.Elementos[e].Espessura = 1.0 / elementosPorCamada;
            d.Elementos[e].XIni = (e - 1) * (1.0 / elementosPorCamada);
            d.Elementos[e].HoraConcretagem = d.Camadas[(e - 1) / elementosPorCamada + 1].HoraConcretagem;
        }
        TabelaTexto& t = app->contexto().temperaturas;
        t.Redimensiona(n + 2, tempoTotal + 1);
        t.Limpa();
        t.Celula(0, 0) = "  Tempo[h]";
        for (int c = 1; c <= n + 1; ++c) t.Celula(c, 0) = "    Nó " + std::to_string(c);
        for (int r = 1; r <= tempoTotal; ++r) {
            t.Celula(0, r) = std::to_string(r);
            for (int c = 1; c <= n + 1; ++c) t.Celula(c, r) = Numeros::FormataFixo(Temperatura(c, r), 7, 2);
        }
        SincronizaNumeros(app->contexto());
    }

    QString Caminho(const QString& nome) const { return QDir(pasta.path()).filePath(nome); }

    static std::string Le(const QString& caminho) {
        QFile f(caminho);
        if (!f.open(QIODevice::ReadOnly)) return "<ausente>";
        return f.readAll().toStdString();
    }

    MensagensFalsas msg;
    DialogosArquivoFalsos arquivos;
    QTemporaryDir pasta;
    std::unique_ptr<Aplicacao> app;
};
