// Bare stiffener profiles. Area and centroid are measured from the plate surface;
// Iy is about the profile's own axis parallel to the plate. Fields declared as 32-bit
// floats (Af, Iyf, K) are rounded when stored and read back rounded, as the later
// steps see them.
#include "profiles/bare_sections.h"

#include <cmath>
#include <string>

namespace veltar {

namespace {

constexpr double kMaxDimension = 1e6;  // mm
constexpr const char* kZeroArea = "the profile area is zero (check H, B, tw and tf)";

void SetArea(Case& c, double Ax, const Checked& k) {
    c.StiffAx = k.Fin(Ax);
    c.StiffMass = k.Fin(kSteelDensity * Ax / 1e6);
}

// Steps shared by the open sections: warping constant, polar moment about the web
// toe and St Venant constant.
void OpenTorsion(Case& c, const ProfileDims& d, double hw, const Checked& k) {
    const double Ax = c.StiffAx;
    c.StiffGamma = k.Fin(c.StiffM * double(c.StiffIyf) * Sq(hw) + Cube(hw) * Cube(d.tw) / 36);
    c.StiffIo = k.Fin(c.StiffIy + c.StiffM * c.StiffIz + Ax * (Sq(c.StiffZc) + Sq(c.StiffYc)));
    c.StiffK = k.F32((Cube(d.tw) * hw + Cube(d.tf) * d.B) / 3);
}

// A closed cell has no open flange: no warping, no unsymmetry, torsion by the cell.
void ClosedCell(Case& c, double Iz, double K, const Checked& k) {
    c.StiffAw = 0;
    c.StiffAf = 0;
    c.StiffIyf = 0;
    c.StiffEf = 0;
    c.StiffYc = 0;
    c.StiffU = 0;
    c.StiffM = 1;
    c.StiffGamma = 0;
    c.StiffIz = k.Fin(Iz);
    c.StiffIo = k.Fin(c.StiffIy + c.StiffIz + double(c.StiffAx) * Sq(c.StiffZc));
    c.StiffK = k.F32(K);
}

void CheckDimension(const char* name, double x, const Checked& k) {
    if (!(std::fabs(x) <= kMaxDimension)) {
        k.Fail(std::string(name) + " is out of range", "the dimensions must lie within 1000000 mm");
    }
}

}  // namespace

void CheckDimensions(const ProfileDims& d, const Checked& k) {
    CheckDimension("H", d.H, k);
    CheckDimension("B", d.B, k);
    CheckDimension("tw", d.tw, k);
    CheckDimension("tf", d.tf, k);
    CheckDimension("a", d.a, k);
}

void OpenSection(Case& c, const ProfileDims& d, bool angle, const Checked& k) {
    const double hw = d.H - d.tf;
    const double ef = angle ? (d.B - d.tw) / 2 : 0.0;
    c.StiffHw = hw;
    c.StiffEf = ef;
    c.StiffAw = hw * d.tw;
    c.StiffAf = k.F32(d.B * d.tf);
    SetArea(c, c.StiffAw + double(c.StiffAf), k);
    const double Ax = c.StiffAx;
    const double Af = d.B * d.tf;
    c.StiffZc = k.Div(d.tw * Sq(hw) / 2 + Af * (d.H - d.tf / 2), Ax, kZeroArea);
    c.StiffYc = k.Div(ef * d.B * d.tf, Ax, kZeroArea);
    const double zc = c.StiffZc, yc = c.StiffYc;
    c.StiffIy =
        k.Fin((Cube(hw) * d.tw + d.B * Cube(d.tf)) / 12 + Af * Sq(d.H - d.tf / 2 - zc) + d.tw * hw * Sq(hw / 2 - zc));
    c.StiffIz = k.Fin((Cube(d.tw) * hw + Cube(d.B) * d.tf) / 12 + Af * Sq(ef - yc) + d.tw * hw * Sq(yc));
    const char* zeroB = "the flange width B is zero";
    c.StiffU = angle ? 1 - k.Div(d.tw, d.B, zeroB) : 0.0;
    c.StiffM = 1 - c.StiffU * (0.7 - k.Div(0.1 * hw, d.B, zeroB));
    c.StiffIyf = k.F32((1 + 3 * Sq(c.StiffU) * c.StiffAw / Ax) * Cube(d.B) * d.tf / 12);
    OpenTorsion(c, d, hw, k);
}

void FlatBarSection(Case& c, const ProfileDims& d, const Checked& k) {
    c.StiffHw = d.H;
    c.StiffEf = 0;
    c.StiffAw = d.H * d.tw;
    c.StiffAf = 0;
    SetArea(c, c.StiffAw, k);
    c.StiffZc = d.H / 2;
    c.StiffYc = 0;
    c.StiffIy = k.Fin(Cube(d.H) * d.tw / 12);
    c.StiffIz = k.Fin(Cube(d.tw) * d.H / 12);
    c.StiffIyf = k.F32(c.StiffIz);
    c.StiffU = 0;
    c.StiffM = 1;
    OpenTorsion(c, d, d.H, k);
}

void RhsSection(Case& c, const ProfileDims& d, const Checked& k) {
    const double Hi = d.H - 2 * d.tw, Bi = d.B - 2 * d.tw;
    c.StiffHw = Hi;
    SetArea(c, d.B * d.H - Bi * Hi, k);
    c.StiffZc = d.H / 2;
    c.StiffIy = k.Fin((d.B * Cube(d.H) - Bi * Cube(Hi)) / 12);
    const double Iz = (d.H * Cube(d.B) - Hi * Cube(Bi)) / 12;
    // Bredt's thin-walled cell on the wall centre lines.
    const double b = d.B - d.tw, h = d.H - d.tw;
    const double K = k.Div(2 * d.tw * Sq(b) * Sq(h), b + h, "the RHS walls close the cell (B + H = 2 tw)");
    ClosedCell(c, Iz, K, k);
}

void TrapezoidSection(Case& c, const ProfileDims& d, const Checked& k) {
    const double hw = d.H - d.tf;
    c.StiffHw = hw;
    const double cosTheta = std::cos(std::atan(k.Div(d.a, d.H, "the height H is zero")));
    const double Af = d.B * d.tf;
    SetArea(c, 2 * hw * d.tw / cosTheta + d.tw * d.B, k);  // both inclined webs and the flange
    c.StiffZc = k.Div(d.tw * Sq(hw) / cosTheta + Af * (d.H - d.tf / 2), double(c.StiffAx), kZeroArea);
    const double zc = c.StiffZc;
    c.StiffIy = k.Fin((2 * d.tw * Cube(hw) / cosTheta + d.B * Cube(d.tf)) / 12 + Af * Sq(d.H - d.tf / 2 - zc) +
                      (2 * d.tw * hw / cosTheta) * Sq(hw / 2 - zc));
    // The cell is closed by the plate; every wall has the thickness tw.
    const double web = std::sqrt(Sq(d.H) + Sq(d.a));
    const double Iz = d.tw * Cube(d.B) / 12 + 2 * web * d.tw * (Sq(d.a) / 12 + Sq((d.B + d.a) / 2));
    const double Am = d.H * (d.B + d.a);
    const double S = k.Div(2 * d.B + 2 * d.a + 2 * web, d.tw, "the wall thickness tw is zero");
    ClosedCell(c, Iz, k.Div(4 * Sq(Am), S, "the cell has no wall"), k);
}

void IBuiltSection(Case& c, const ProfileDims& d, const Checked& k) {
    const double hw = d.H - 2 * d.tf;
    c.StiffHw = hw;
    c.StiffEf = 0;
    c.StiffAw = hw * d.tw;
    c.StiffAf = k.F32(d.B * d.tf);  // one flange
    SetArea(c, 2 * double(c.StiffAf) + c.StiffAw, k);
    const double Af = d.B * d.tf;
    c.StiffZc =
        k.Div(d.B * Sq(d.tf) / 2 + Af * (d.H - d.tf / 2) + d.tw * hw * (d.tf + hw / 2), double(c.StiffAx), kZeroArea);
    c.StiffYc = 0;
    const double zc = c.StiffZc;
    c.StiffIy = k.Fin((d.tw * Cube(hw) + 2 * d.B * Cube(d.tf)) / 12 + Af * Sq(d.H - d.tf / 2 - zc) +
                      d.tw * hw * Sq(d.tf + hw / 2 - zc) + Af * Sq(d.tf / 2 - zc));
    c.StiffIz = k.Fin(d.tf * Cube(d.B) / 12);  // one flange
    c.StiffU = 0;
    c.StiffM = 1;
    c.StiffIyf = k.F32(Cube(d.B) * d.tf / 12);
    OpenTorsion(c, d, hw, k);
}

}  // namespace veltar
