#pragma once
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

// An hourly table of Ultima + 1 entries (slot 0 unused), read and written like an
// array. Only the entries up to the last one written are held: the rest read as
// zero, as in a table never filled, so a state with hundreds of layers costs
// nothing for the tables a problem leaves empty, and copying it copies only what
// was written.
template <int Ultima>
class TTabelaHoraria {
public:
    static constexpr std::size_t Entradas = static_cast<std::size_t>(Ultima) + 1;

    static constexpr std::size_t size() { return Entradas; }

    double operator[](std::size_t h) const { return h < v_.size() ? v_[h] : 0.0; }
    // Writing an entry (or reading it through a non-const table) holds every entry up to it.
    double& operator[](std::size_t h) {
        if (h >= v_.size()) v_.resize(std::max(h + 1, std::min(2 * v_.size(), Entradas)));
        return v_[h];
    }

    void fill(double valor) {
        if (std::bit_cast<std::uint64_t>(valor) == 0) {
            v_.clear();
            v_.shrink_to_fit();
        } else {
            v_.assign(Entradas, valor);
        }
    }

    // Entries held (those past it read as zero).
    std::size_t Guardadas() const { return v_.size(); }

    friend bool operator==(const TTabelaHoraria& a, const TTabelaHoraria& b) {
        const std::size_t n = std::max(a.v_.size(), b.v_.size());
        for (std::size_t h = 0; h < n; ++h)
            if (!(a[h] == b[h])) return false;
        return true;
    }

private:
    std::vector<double> v_;
};
