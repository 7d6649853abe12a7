#pragma once
#include <optional>
#include <string>
#include <vector>

#include "obra/DadosObra.h"

// Hourly weather read from a file, hour k of the analysis clock at index k from
// hour 0. Gaps of up to MaxLacuna hours are filled linearly between the values
// around them; a longer gap, or a file that does not start at hour 0, is refused
// with ErroEntrada naming the hours.
struct TClimaHorario {
    std::vector<double> Temperatura;  // °C
    std::vector<double> Vento;        // m/s; empty when the file has no wind
    std::vector<double> Radiacao;     // W/m²; empty when the file has no radiation
    std::vector<double> PontoOrvalho; // °C; empty when the file has none (or a long gap in it)
    std::string Origem;               // what was read, in a line

    static constexpr int MaxLacuna = 6;

    // Last hour covered (the file's length on the analysis clock).
    int UltimaHora() const { return static_cast<int>(Temperatura.size()) - 1; }

    // Our CSV: a header line naming the columns hora;temperatura[;vento][;radiacao][;orvalho]
    // (any order after hora, "radiação" also), then one line per hour counted from
    // hour 0 of day 1; decimal comma or point; an empty cell or a missing hour is a gap.
    static TClimaHorario LeCsv(const std::string& texto);

    // The analysis clock's hour 0 as the engineer knows it: a local date and hour and
    // the station's offset from UTC (−3 for Brasília time).
    struct Inicio {
        int Ano = 0, Mes = 0, Dia = 0;
        int HoraLocal = 0;
        int FusoHoras = -3;
    };
    // The hourly CSV of the national weather service's automatic stations: station
    // metadata lines, then the header (Data; Hora UTC; …; RADIACAO GLOBAL (Kj/m²);
    // TEMPERATURA DO AR - BULBO SECO, HORARIA (°C); …; VENTO, VELOCIDADE HORARIA
    // (m/s)), ';' separators, decimal comma, -9999 or empty for a missing value.
    // The radiation of the hour (kJ/m²) becomes its mean flux in W/m²; the service
    // leaves it empty at night, read as zero. A gap of up to MaxLacuna hours with sun
    // on both sides is a gap in the daylight, interpolated like the other columns.
    static TClimaHorario LeInmet(const std::string& texto, const Inicio& inicio);

    // Whether the text is in the service's layout (metadata lines before the header).
    static bool PareceInmet(const std::string& texto);

    // "dd/mm/aaaa" → Inicio (hour and offset left as given); ErroEntrada otherwise.
    static Inicio LeData(const std::string& data, int horaLocal, int fusoHoras);

    // Into the site data: the weather in use, with its contents.
    void Aplica(TDadosObra& obra) const;
};
