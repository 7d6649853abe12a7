#pragma once
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

// Records of a placeable Windows metafile (16-bit WMF behind the 22-byte Aldus
// header), the picture format the engineers paste into their reports. The writer
// knows nothing of Qt: it receives coordinates already in file units.
namespace Wmf {

struct Ponto {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const Ponto&) const = default;
};

// Axis-aligned rectangle [esquerda, direita] × [topo, base], y growing downwards.
struct Retangulo {
    double esquerda = 0.0;
    double topo = 0.0;
    double direita = 0.0;
    double base = 0.0;
};

struct Cor {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Cor&) const = default;
};

enum class EstiloCaneta : std::uint16_t { Solida = 0, Tracejada = 1, Pontilhada = 2, TracoPonto = 3, TracoPontoPonto = 4, Nula = 5 };
enum class EstiloPincel : std::uint16_t { Solido = 0, Nulo = 1 };

// LOGFONT of the 16-bit format. `altura` negative is the em height (the size a
// program's font dialog shows); escapement and orientation in tenths of a degree,
// counter-clockwise.
struct Fonte {
    std::int16_t altura = -12;
    std::int16_t largura = 0;
    std::int16_t escapamento = 0;
    std::int16_t orientacao = 0;
    std::int16_t peso = 400;
    bool italico = false;
    bool sublinhado = false;
    bool riscado = false;
    std::uint8_t conjunto = 0;  // ANSI: the text is Windows-1252
    std::string_view face;      // at most 31 bytes are kept
};

// Text alignment flags of SETTEXTALIGN.
inline constexpr std::uint16_t AlinhaEsquerda = 0x0000;
inline constexpr std::uint16_t AlinhaDireita = 0x0002;
inline constexpr std::uint16_t AlinhaCentro = 0x0006;
inline constexpr std::uint16_t AlinhaTopo = 0x0000;
inline constexpr std::uint16_t AlinhaBase = 0x0008;
inline constexpr std::uint16_t AlinhaLinhaBase = 0x0018;

// Placeable key and record functions, shared with whoever reads the file back.
inline constexpr std::uint32_t ChavePlaceable = 0x9AC6CDD7u;
enum class Registro : std::uint16_t {
    Fim = 0x0000,
    ModoFundo = 0x0102,
    ModoPreenchimento = 0x0106,
    CorTexto = 0x0209,
    OrigemJanela = 0x020B,
    ExtensaoJanela = 0x020C,
    AlinhamentoTexto = 0x012E,
    SelecionaObjeto = 0x012D,
    ApagaObjeto = 0x01F0,
    CriaCaneta = 0x02FA,
    CriaPincel = 0x02FC,
    CriaFonte = 0x02FB,
    Polilinha = 0x0325,
    Poligono = 0x0324,
    TextoExt = 0x0A32,
};

// Points per POLYLINE record: a long curve is cut into pieces of this size that
// repeat the joint point, so the drawn line stays continuous.
inline constexpr int MaxPontosPolilinha = 8000;
// A POLYGON cannot be cut without changing its fill; beyond the 16-bit count it is
// drawn as its outline only.
inline constexpr int MaxPontosPoligono = 32767;

// Nearest int16: rounds half away from zero and holds values beyond the 16-bit
// range (and NaN, as 0) at the range's ends, so a wild coordinate never wraps round.
std::int16_t Coordenada(double v);

// Liang–Barsky: cuts the segment a–b to the rectangle. False when nothing of it lies inside.
bool RecortaSegmento(Ponto& a, Ponto& b, const Retangulo& r);

// Sutherland–Hodgman: the part of a closed polygon inside the rectangle (empty if none).
std::vector<Ponto> RecortaPoligono(std::span<const Ponto> poligono, const Retangulo& r);

// Writes the records into memory, keeps the object table (each CREATE takes the
// lowest free slot, DELETE frees it) and completes the two headers at the end.
class TEscritorWmf {
public:
    // Picture of `largura` × `altura` units, `unidadesPorPolegada` of them per inch.
    TEscritorWmf(int largura, int altura, int unidadesPorPolegada);

    int CriaCaneta(EstiloCaneta estilo, int largura, Cor cor);
    int CriaPincel(EstiloPincel estilo, Cor cor);
    int CriaFonte(const Fonte& fonte);
    // Raise std::logic_error for a slot that holds no object: such a file is refused by readers.
    void Seleciona(int indice);
    void Apaga(int indice);

    void DefineFundoTransparente(bool transparente);
    void DefineCorTexto(Cor cor);
    void DefineAlinhamentoTexto(std::uint16_t alinhamento);
    void DefinePreenchimentoAlternado(bool alternado);

    // Fewer than two points draw nothing.
    void Polilinha(std::span<const Ponto> pontos);
    // Fewer than three points draw nothing.
    void Poligono(std::span<const Ponto> pontos);
    // `texto` already in Windows-1252; `dx` (advance of each byte) is written only
    // when it has one entry per byte.
    void Texto(Ponto origem, std::string_view texto, std::span<const std::int16_t> dx);

    // Slots in use at the peak: the NumberOfObjects a reader must allocate.
    int ObjetosNoPico() const { return pico_; }

    // Appends the end record and returns the whole file. The writer is spent afterwards.
    std::vector<std::uint8_t> Termina();

private:
    void Inicia(Registro funcao, std::size_t palavrasParametros);
    void Palavra(std::uint16_t w);
    void Palavra(std::int16_t w) { Palavra(static_cast<std::uint16_t>(w)); }
    void CorRef(Cor c);
    void Bytes(std::string_view b);
    int OcupaSlot();
    void ExigeSlot(int indice) const;

    std::vector<std::uint8_t> dados_;
    std::vector<bool> slots_;
    int pico_ = 0;
    std::uint32_t maiorRegistro_ = 0;
    std::int16_t largura_;
    std::int16_t altura_;
    std::uint16_t polegada_;
};

}  // namespace Wmf
