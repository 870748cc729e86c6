// The numeric box table. A typed value is a 32-bit float, so Real fields take the
// float as it is and keep single precision for the file and the masks.
#include "ui/boxdefs.h"

#include <array>

namespace veltar {
namespace {

#define VELTAR_REAL(f) [](const Case& c) { return c.f; }, [](Case& c, float v) { c.f = v; }
#define VELTAR_F32(f) [](const Case& c) { return Real(c.f); }, [](Case& c, float v) { c.f = v; }

bool Below01(double v) { return v < 0.1; }
bool Below10(double v) { return v < 10; }
bool Below400(double v) { return v < 400; }
bool Below1000(double v) { return v < 1000; }
bool Outside50To2000(double v) { return v < 50 || v > 2000; }
bool Outside06To2(double v) { return v < 0.6 || v > 2; }
bool Outside5To600(double v) { return v < 5 || v > 600; }

const std::array<BoxDef, 23> kBoxes{{
    {"ifs", VELTAR_F32(FS), "#0.00", "#0.00", Outside06To2, " 0.6 <= FS <= 2 "},
    {"iufa", VELTAR_F32(UFa), "#0.00", "#0.00", Outside06To2, " 0.6 <= UF <= 2 "},
    {"ifyp", VELTAR_REAL(Fyp), "#00", "#000", Outside50To2000, " 50 <= fyp <= 2000 "},
    {"ifup", VELTAR_F32(Fup), "#00", "#000", Outside50To2000, " 50 <= Fup <= 2000 "},
    {"ifys", VELTAR_REAL(Fys), "#00", "#000", Outside50To2000, " 50 <= fys <= 2000 "},
    {"ifus", VELTAR_F32(Fus), "#00", "#000", Outside50To2000, " 50 <= Fus <= 2000 "},
    {"iunit_length", VELTAR_F32(UL), "#0", "#0", Outside5To600, " 5 < unit length < 600 "},
    {"ie", VELTAR_F32(E), "0.00E+0", "0.00E+0", Below1000, " 1000 <= E-modulus "},
    {"is1", VELTAR_REAL(s1), "#00", "#00", Below10, " 10 <= s1  "},
    {"is2", VELTAR_REAL(s2), "#00", "#00", Below10, " 10 <= s2  "},
    {"it", VELTAR_REAL(t), "#0.0", "#0.0", Below01, " 0.1 <= t "},
    {"il1", VELTAR_REAL(L1), "#00", "#0", nullptr, ""},
    {"il2", VELTAR_REAL(L2), "#00", "#0", nullptr, ""},
    {"iLg", VELTAR_REAL(Lg), "#00", "#0", Below1000, " 1000 <= Lg  "},
    {"iLgs", VELTAR_F32(Lgs), "#00", "#0", Below1000, " 1000 <= Lgs  "},
    {"iLt", VELTAR_REAL(Lt), "#0 ", "#0", Below400, " 400 <= Lt "},
    {"isigx1", VELTAR_REAL(SigxA), "##0.0", "##0.0", nullptr, ""},
    {"isigx2", VELTAR_F32(SigxB), "##0.0", "##0.0", nullptr, ""},
    {"isigy1", VELTAR_REAL(SigyA), "##0.0", "##0.0", nullptr, ""},
    {"isigy3", VELTAR_F32(SigyC), "##0.0", "##0.0", nullptr, ""},
    {"itau1", VELTAR_F32(Tau), "##0.0", "##0.0", nullptr, ""},
    {"ip1", VELTAR_REAL(p), "##0.000", "##0.000", nullptr, ""},
    {"ips", VELTAR_REAL(ps), "##0.000", "##0.000", nullptr, ""},
}};

#undef VELTAR_REAL
#undef VELTAR_F32

}  // namespace

std::span<const BoxDef> NumericBoxes() { return kBoxes; }

const BoxDef* FindBox(std::string_view name) {
    for (const BoxDef& b : NumericBoxes())
        if (b.name == name) return &b;
    return nullptr;
}

}  // namespace veltar
