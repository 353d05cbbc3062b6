// The names under which a description carries the block: the wizard writes them at Finish and
// reads them back when a design is opened again, and the generator reads the constants.
#pragma once

namespace rsblock {

// Constants: the block's parameters, read by the generator.
inline constexpr const char* kBitsPerSymbolKey = "m";
inline constexpr const char* kCodewordLengthKey = "n";
inline constexpr const char* kCheckSymbolsKey = "check";
inline constexpr const char* kFieldPolynomialKey = "irrpol";
inline constexpr const char* kFirstRootKey = "genstart";
// Encoder: gg0 .. gg50, gg_i the coefficient of x^(r-i) of g(x); those past r are 0.
inline constexpr const char* kGeneratorCoefficientKey = "gg%d";
inline constexpr int kGeneratorConstants = 51;
// Decoder: "full" or "half", the numerr width and the two memory tables' file names.
inline constexpr const char* kSpeedKey = "speed";
inline constexpr const char* kFullSpeed = "full";
inline constexpr const char* kHalfSpeed = "half";
inline constexpr const char* kNumerrWidthKey = "wide";
inline constexpr const char* kInverseTableKey = "inv_file";
inline constexpr const char* kEvnumTableKey = "evnum_file";
// Decoder: root1 .. root50 and negroot0 .. negroot25, for blocks of other makes.
inline constexpr const char* kRootKey = "root%d";
inline constexpr int kRootConstants = 50;
inline constexpr const char* kNegRootKey = "negroot%d";
inline constexpr int kNegRootConstants = 26;

// Privates: the wizard's own settings, read back only by the wizard.
inline constexpr const char* kEncoderOrDecoderKey = "Enc_Dec";
inline constexpr const char* kDiscreteOrStreamingKey = "Disc_Stream";
inline constexpr const char* kFullOrHalfKey = "Fast_Small";
inline constexpr const char* kFirstRootSettingKey = "GENSTART_V";
inline constexpr const char* kVectorFileKey = "generate_vectorfile";

}  // namespace rsblock
