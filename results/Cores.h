#pragma once
#include <array>
#include <vector>

#include "core/DadosModelo.h"

// The isochromatic map: colour of a temperature, the colour scale and the bands
// in which an element is painted. Pure arithmetic; the window only draws.
namespace Cores {

struct CorRGB {
    int r = 0, g = 0, b = 0;
    bool operator==(const CorRGB&) const = default;
};

// Blue at tMin, cyan at a quarter, green at half, yellow at three quarters, red
// at tMax, each component trunc'ed. A temperature outside the scale takes the
// colour of the nearer end; with tMax == tMin (a member at one uniform
// temperature, or no run yet) every temperature is the middle, green.
CorRGB CorTemperatura(double t, double tMinEscala, double tMaxEscala);

// Colour of each pixel row of a scale picture `altura` pixels high, row 0 at
// the top: four runs of 256 lines from blue (bottom) to red (top), at the row
// trunc(altura - p); later lines overwrite earlier ones and rows no line reaches
// stay white.
std::vector<CorRGB> LinhasEscala(int altura);

// The five scale texts from top to bottom: tMax, (3·tMax + tMin)·0,25,
// (tMax + tMin)/2, (3·tMin + tMax)·0,25, tMin.
std::array<double, 5> ValoresEscala(double tMinEscala, double tMaxEscala);

// Bands per element for m active elements: trunc(200/m), but at least one, so
// that a member of more than 200 elements is still painted one band each.
int FaixasPorElemento(int m);

// One horizontal band of an element: its edges in metres and the temperature
// interpolated linearly at its middle.
struct Faixa {
    double ya = 0.0, yb = 0.0, t = 0.0;
};
// The bands of an element starting at y0, of length L, with the temperatures of
// its lower and upper nodes.
std::vector<Faixa> FaixasElemento(double y0, double comprimento, double tInferior, double tSuperior, int m);

// Pixel row of a height y in a picture of `alturaPx` pixels for a member H high:
// P - trunc(s·y), s = P/H.
int LinhaPixel(double y, int alturaPx, double alturaMembro);

// Elements that exist at hour t: NElemCamada for layer 1 plus NElemCamada for
// every layer 2..CamadaAtual placed strictly before t.
int ElementosAtivosEm(const TDadosModelo& dados, int t);

}  // namespace Cores
