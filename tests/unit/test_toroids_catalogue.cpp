// The toroid core catalogues: every entry, size caption and mix or material
// row against a table generated from the maker's data, and the lookups at
// the edges of the lists.
#include "data/toroids.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using etero::data::ferriteCores;
using etero::data::ironPowderCores;
using etero::data::mixKey;
using etero::data::ToroidCatalogue;

namespace {

struct IronPowderRow {
    int position;
    const char* name;
    double al;
    const char* size;
    const char* mix;
};

struct FerriteRow {
    int position;
    const char* name;
    double al;
    const char* size;
    const char* material;
};

// clang-format off
// Generated from the maker's tables: position, name, AL, size caption, mix row.
const IronPowderRow kExpectedIronPowder[] = {
    {0, "T-12/ 0", 3, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm", "              MARRONE          GRIGIO             100 / 300"},
    {1, "T-12/ 1", 48, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {2, "T-12/ 2", 20, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm", "               ROSSO              GRIGIO               2 / 30"},
    {3, "T-12/ 3", 60, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {4, "T-12/ 6", 17, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm", "               GIALLO             GRIGIO              10 / 50"},
    {5, "T-12/ 7", 18, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm", "               BIANCO              GRIGIO              3 / 35"},
    {6, "T-12/10", 12, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm", "                NERO               GRIGIO              30 / 100"},
    {7, "T-12/12", 7.5, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm", "                VERDE            BIANCO             50 / 200"},
    {8, "T-12/15", 50, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {9, "T-12/17", 7.5, "DIAMETRO ESTERNO 3,18 mm - ALTEZZA 1,27 mm", "                BLU                GIALLO             20 / 200"},
    {10, "T-16/ 0", 3, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm", "              MARRONE          GRIGIO             100 / 300"},
    {11, "T-16/ 1", 44, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {12, "T-16/ 2", 22, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm", "               ROSSO              GRIGIO               2 / 30"},
    {13, "T-16/ 3", 61, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {14, "T-16/ 6", 19, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm", "               GIALLO             GRIGIO              10 / 50"},
    {15, "T-16/10", 13, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm", "                NERO               GRIGIO              30 / 100"},
    {16, "T-16/12", 8, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm", "                VERDE            BIANCO             50 / 200"},
    {17, "T-16/15", 55, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {18, "T-16/17", 8, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm", "                BLU                GIALLO             20 / 200"},
    {19, "T-16/26", 145, "DIAMETRO ESTERNO 4,06 mm - ALTEZZA 1,52 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {20, "T-20/ 0", 3.5, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm", "              MARRONE          GRIGIO             100 / 300"},
    {21, "T-20/ 1", 52, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {22, "T-20/ 2", 27, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm", "               ROSSO              GRIGIO               2 / 30"},
    {23, "T-20/ 3", 76, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {24, "T-20/ 6", 22, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm", "               GIALLO             GRIGIO              10 / 50"},
    {25, "T-20/ 7", 24, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm", "               BIANCO              GRIGIO              3 / 35"},
    {26, "T-20/10", 16, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm", "                NERO               GRIGIO              30 / 100"},
    {27, "T-20/12", 10, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm", "                VERDE            BIANCO             50 / 200"},
    {28, "T-20/15", 65, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {29, "T-20/17", 10, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm", "                BLU                GIALLO             20 / 200"},
    {30, "T-20/26", 180, "DIAMETRO ESTERNO 5,08 mm - ALTEZZA 1,78 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {31, "T-25/ 0", 4.5, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm", "              MARRONE          GRIGIO             100 / 300"},
    {32, "T-25/ 1", 70, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {33, "T-25/ 2", 34, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm", "               ROSSO              GRIGIO               2 / 30"},
    {34, "T-25/ 3", 100, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {35, "T-25/ 6", 27, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm", "               GIALLO             GRIGIO              10 / 50"},
    {36, "T-25/ 7", 29, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm", "               BIANCO              GRIGIO              3 / 35"},
    {37, "T-25/10", 19, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm", "                NERO               GRIGIO              30 / 100"},
    {38, "T-25/12", 12, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm", "                VERDE            BIANCO             50 / 200"},
    {39, "T-25/15", 85, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {40, "T-25/17", 12, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm", "                BLU                GIALLO             20 / 200"},
    {41, "T-25/26", 235, "DIAMETRO ESTERNO 6,35 mm - ALTEZZA 2,44 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {42, "T-30/ 0", 6, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm", "              MARRONE          GRIGIO             100 / 300"},
    {43, "T-30/ 1", 85, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {44, "T-30/ 2", 43, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm", "               ROSSO              GRIGIO               2 / 30"},
    {45, "T-30/ 3", 140, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {46, "T-30/ 6", 36, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm", "               GIALLO             GRIGIO              10 / 50"},
    {47, "T-30/ 7", 37, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm", "               BIANCO              GRIGIO              3 / 35"},
    {48, "T-30/10", 25, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm", "                NERO               GRIGIO              30 / 100"},
    {49, "T-30/12", 16, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm", "                VERDE            BIANCO             50 / 200"},
    {50, "T-30/15", 93, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {51, "T-30/17", 16, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm", "                BLU                GIALLO             20 / 200"},
    {52, "T-30/26", 325, "DIAMETRO ESTERNO 7,80 mm - ALTEZZA 3,25 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {53, "T-37/ 0", 4.9, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm", "              MARRONE          GRIGIO             100 / 300"},
    {54, "T-37/ 1", 80, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {55, "T-37/ 2", 40, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm", "               ROSSO              GRIGIO               2 / 30"},
    {56, "T-37/ 3", 120, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {57, "T-37/ 6", 30, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm", "               GIALLO             GRIGIO              10 / 50"},
    {58, "T-37/ 7", 32, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm", "               BIANCO              GRIGIO              3 / 35"},
    {59, "T-37/10", 25, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm", "                NERO               GRIGIO              30 / 100"},
    {60, "T-37/12", 15, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm", "                VERDE            BIANCO             50 / 200"},
    {61, "T-37/15", 90, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {62, "T-37/17", 15, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm", "                BLU                GIALLO             20 / 200"},
    {63, "T-37/26", 275, "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {64, "T-44/ 0", 6.5, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm", "              MARRONE          GRIGIO             100 / 300"},
    {65, "T-44/ 1", 105, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {66, "T-44/ 2", 52, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm", "               ROSSO              GRIGIO               2 / 30"},
    {67, "T-44/ 3", 180, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {68, "T-44/ 6", 42, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm", "               GIALLO             GRIGIO              10 / 50"},
    {69, "T-44/ 7", 46, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm", "               BIANCO              GRIGIO              3 / 35"},
    {70, "T-44/10", 33, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm", "                NERO               GRIGIO              30 / 100"},
    {71, "T-44/12", 18.5, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm", "                VERDE            BIANCO             50 / 200"},
    {72, "T-44/15", 160, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {73, "T-44/17", 18.5, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm", "                BLU                GIALLO             20 / 200"},
    {74, "T-44/26", 360, "DIAMETRO ESTERNO 11,18 mm - ALTEZZA 4,04 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {75, "T-50/ 0", 6.4, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm", "              MARRONE          GRIGIO             100 / 300"},
    {76, "T-50/ 1", 100, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {77, "T-50/ 2", 49, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm", "               ROSSO              GRIGIO               2 / 30"},
    {78, "T-50/ 3", 175, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {79, "T-50/ 6", 40, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm", "               GIALLO             GRIGIO              10 / 50"},
    {80, "T-50/ 7", 43, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm", "               BIANCO              GRIGIO              3 / 35"},
    {81, "T-50/10", 31, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm", "                NERO               GRIGIO              30 / 100"},
    {82, "T-50/12", 18, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm", "                VERDE            BIANCO             50 / 200"},
    {83, "T-50/15", 135, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {84, "T-50/17", 18, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm", "                BLU                GIALLO             20 / 200"},
    {85, "T-50/26", 320, "DIAMETRO ESTERNO 12,70 mm - ALTEZZA 4,83 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {86, "T-68/ 0", 7.5, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm", "              MARRONE          GRIGIO             100 / 300"},
    {87, "T-68/ 1", 115, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {88, "T-68/ 2", 57, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm", "               ROSSO              GRIGIO               2 / 30"},
    {89, "T-68/ 3", 195, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {90, "T-68/ 6", 47, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm", "               GIALLO             GRIGIO              10 / 50"},
    {91, "T-68/ 7", 52, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm", "               BIANCO              GRIGIO              3 / 35"},
    {92, "T-68/10", 32, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm", "                NERO               GRIGIO              30 / 100"},
    {93, "T-68/12", 21, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm", "                VERDE            BIANCO             50 / 200"},
    {94, "T-68/15", 180, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {95, "T-68/17", 21, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm", "                BLU                GIALLO             20 / 200"},
    {96, "T-68/26", 420, "DIAMETRO ESTERNO 17,53 mm - ALTEZZA 4,83 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {97, "T-80/ 0", 8.5, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm", "              MARRONE          GRIGIO             100 / 300"},
    {98, "T-80/ 1", 115, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {99, "T-80/ 2", 55, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm", "               ROSSO              GRIGIO               2 / 30"},
    {100, "T-80/ 3", 180, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {101, "T-80/ 6", 45, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm", "               GIALLO             GRIGIO              10 / 50"},
    {102, "T-80/ 7", 50, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm", "               BIANCO              GRIGIO              3 / 35"},
    {103, "T-80/10", 32, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm", "                NERO               GRIGIO              30 / 100"},
    {104, "T-80/12", 22, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm", "                VERDE            BIANCO             50 / 200"},
    {105, "T-80/15", 170, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {106, "T-80/17", 22, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm", "                BLU                GIALLO             20 / 200"},
    {107, "T-80/26", 450, "DIAMETRO ESTERNO 20,20 mm - ALTEZZA 6,35 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {108, "T-94/ 0", 10.6, "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm", "              MARRONE          GRIGIO             100 / 300"},
    {109, "T-94/ 1", 160, "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {110, "T-94/ 2", 84, "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm", "               ROSSO              GRIGIO               2 / 30"},
    {111, "T-94/ 3", 248, "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {112, "T-94/ 6", 70, "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm", "               GIALLO             GRIGIO              10 / 50"},
    {113, "T-94/10", 58, "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm", "                NERO               GRIGIO              30 / 100"},
    {114, "T-94/12", 32, "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm", "                VERDE            BIANCO             50 / 200"},
    {115, "T-94/15", 200, "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {116, "T-94/26", 590, "DIAMETRO ESTERNO 23,93 mm - ALTEZZA 7,92 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {117, "T-106/ 0", 19, "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm", "              MARRONE          GRIGIO             100 / 300"},
    {118, "T-106/ 1", 325, "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {119, "T-106/ 2", 135, "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm", "               ROSSO              GRIGIO               2 / 30"},
    {120, "T-106/ 3", 450, "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {121, "T-106/ 6", 116, "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm", "               GIALLO             GRIGIO              10 / 50"},
    {122, "T-106/ 7", 133, "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm", "               BIANCO              GRIGIO              3 / 35"},
    {123, "T-106/15", 345, "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {124, "T-106/26", 900, "DIAMETRO ESTERNO 26,92 mm - ALTEZZA 11,1 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {125, "T-130/ 0", 15, "DIAMETRO ESTERNO 33,02 mm - ALTEZZA 11,1 mm", "              MARRONE          GRIGIO             100 / 300"},
    {126, "T-130/ 1", 200, "DIAMETRO ESTERNO 33,02 mm - ALTEZZA 11,1 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {127, "T-130/ 2", 110, "DIAMETRO ESTERNO 33,02 mm - ALTEZZA 11,1 mm", "               ROSSO              GRIGIO               2 / 30"},
    {128, "T-130/ 3", 350, "DIAMETRO ESTERNO 33,02 mm - ALTEZZA 11,1 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {129, "T-130/ 6", 96, "DIAMETRO ESTERNO 33,02 mm - ALTEZZA 11,1 mm", "               GIALLO             GRIGIO              10 / 50"},
    {130, "T-130/ 7", 103, "DIAMETRO ESTERNO 33,02 mm - ALTEZZA 11,1 mm", "               BIANCO              GRIGIO              3 / 35"},
    {131, "T-130/15", 250, "DIAMETRO ESTERNO 33,02 mm - ALTEZZA 11,1 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {132, "T-130/26", 785, "DIAMETRO ESTERNO 33,02 mm - ALTEZZA 11,1 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {133, "T-157/ 1", 320, "DIAMETRO ESTERNO 39,88 mm - ALTEZZA 14,48 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {134, "T-157/ 2", 140, "DIAMETRO ESTERNO 39,88 mm - ALTEZZA 14,48 mm", "               ROSSO              GRIGIO               2 / 30"},
    {135, "T-157/ 3", 420, "DIAMETRO ESTERNO 39,88 mm - ALTEZZA 14,48 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {136, "T-157/ 6", 115, "DIAMETRO ESTERNO 39,88 mm - ALTEZZA 14,48 mm", "               GIALLO             GRIGIO              10 / 50"},
    {137, "T-157/15", 360, "DIAMETRO ESTERNO 39,88 mm - ALTEZZA 14,48 mm", "                ROSSO            BIANCO              0.1 / 2"},
    {138, "T-157/26", 970, "DIAMETRO ESTERNO 39,88 mm - ALTEZZA 14,48 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {139, "T-184/ 1", 500, "DIAMETRO ESTERNO 46,74 mm - ALTEZZA 18,03 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {140, "T-184/ 2", 240, "DIAMETRO ESTERNO 46,74 mm - ALTEZZA 18,03 mm", "               ROSSO              GRIGIO               2 / 30"},
    {141, "T-184/ 3", 720, "DIAMETRO ESTERNO 46,74 mm - ALTEZZA 18,03 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {142, "T-184/ 6", 195, "DIAMETRO ESTERNO 46,74 mm - ALTEZZA 18,03 mm", "               GIALLO             GRIGIO              10 / 50"},
    {143, "T-184/26", 1640, "DIAMETRO ESTERNO 46,74 mm - ALTEZZA 18,03 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {144, "T-200/ 1", 250, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 13,97 mm", "                BLU                   GRIGIO              0.5 / 5"},
    {145, "T-200/ 2", 120, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 13,97 mm", "               ROSSO              GRIGIO               2 / 30"},
    {146, "T-200/ 3", 425, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 13,97 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {147, "T-200/ 6", 100, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 13,97 mm", "               GIALLO             GRIGIO              10 / 50"},
    {148, "T-200/ 7", 105, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 13,97 mm", "               BIANCO              GRIGIO              3 / 35"},
    {149, "T-200/26", 895, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 13,97 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {150, "T-200A/ 2", 218, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 25,40 mm", "               ROSSO              GRIGIO               2 / 30"},
    {151, "T-200A/ 3", 460, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 25,40 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {152, "T-200A/ 6", 180, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 25,40 mm", "               GIALLO             GRIGIO              10 / 50"},
    {153, "T-200A/26", 1550, "DIAMETRO ESTERNO 50,8 mm - ALTEZZA 25,40 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {154, "T-225/ 2", 120, "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 13,97 mm", "               ROSSO              GRIGIO               2 / 30"},
    {155, "T-225/ 3", 425, "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 13,97 mm", "               GRIGIO             GRIGIO             0.05 / 0.5"},
    {156, "T-225/ 6", 100, "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 13,97 mm", "               GIALLO             GRIGIO              10 / 50"},
    {157, "T-225/26", 950, "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 13,97 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {158, "T-225A/ 2", 215, "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 25,40 mm", "               ROSSO              GRIGIO               2 / 30"},
    {159, "T-225A/26", 1600, "DIAMETRO ESTERNO 57,15 mm - ALTEZZA 25,40 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {160, "T-300/ 2", 114, "DIAMETRO ESTERNO 76,20 mm - ALTEZZA 12,7 mm", "               ROSSO              GRIGIO               2 / 30"},
    {161, "T-300/26", 800, "DIAMETRO ESTERNO 76,20 mm - ALTEZZA 12,7 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {162, "T-300A/ 2", 228, "DIAMETRO ESTERNO 76,20 mm - ALTEZZA 25,4 mm", "               ROSSO              GRIGIO               2 / 30"},
    {163, "T-300A/26", 1600, "DIAMETRO ESTERNO 76,20 mm - ALTEZZA 25,4 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {164, "T-400/ 2", 185, "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 16,51 mm", "               ROSSO              GRIGIO               2 / 30"},
    {165, "T-400/26", 1300, "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 16,51 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {166, "T-400A/ 2", 360, "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 25,4 mm", "               ROSSO              GRIGIO               2 / 30"},
    {167, "T-400A/26", 2600, "DIAMETRO ESTERNO 101,6 mm - ALTEZZA 25,4 mm", "               GIALLO             BIANCO             50 HERTZ"},
    {168, "T-520/ 2", 207, "DIAMETRO ESTERNO 132,08 mm - ALTEZZA 20,32 mm", "               ROSSO              GRIGIO               2 / 30"},
    {169, "T-520/26", 1460, "DIAMETRO ESTERNO 132,08 mm - ALTEZZA 20,32 mm", "               GIALLO             BIANCO             50 HERTZ"},
};

// Generated likewise: position, name, AL, size caption, material row.
const FerriteRow kExpectedFerrite[] = {
    {0, "FT 23-43", 158, "DIAMETRO ESTERNO 5,95 mm - ALTEZZA 1,65 mm", "PERMEABILITA' 800 - WIDEBAND DA 1 A 50 MHz"},
    {1, "FT 23-61", 24.8, "DIAMETRO ESTERNO 5,95 mm - ALTEZZA 1,65 mm", "PERMEABILITA' 125 - WIDEBAND DA 10 A 200 MHz"},
    {2, "FT 23-67", 6, "DIAMETRO ESTERNO 5,95 mm - ALTEZZA 1,65 mm", "PERMEABILITA' 40 - WIDEBAND DA 0.2  A 1 GHz"},
    {3, "FT 23-68", 4, "DIAMETRO ESTERNO 5,95 mm - ALTEZZA 1,65 mm", "PERMEABILITA' 20 - WIDEBAND DA 0.5 A 30 MHz"},
    {4, "FT 23-77", 396, "DIAMETRO ESTERNO 5,95 mm - ALTEZZA 1,65 mm", "PERMEABILITA' 2000 - WIDEBAND DA 0.5 A 30 MHz"},
    {5, "FT 23 J", 990, "DIAMETRO ESTERNO 5,95 mm - ALTEZZA 1,65 mm", "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz"},
    {6, "FT 37-43", 350, "DIAMETRO ESTERNO 9,5 mm - ALTEZZA 3,3 mm", "PERMEABILITA' 800 - WIDEBAND DA 1 A 50 MHz"},
    {7, "FT 37-61", 55.3, "DIAMETRO ESTERNO 9,5 mm - ALTEZZA 3,3 mm", "PERMEABILITA' 125 - WIDEBAND DA 10 A 200 MHz"},
    {8, "FT 37-67", 19.7, "DIAMETRO ESTERNO 9,5 mm - ALTEZZA 3,3 mm", "PERMEABILITA' 40 - WIDEBAND DA 0.2  A 1 GHz"},
    {9, "FT 37-68", 8.8, "DIAMETRO ESTERNO 9,5 mm - ALTEZZA 3,3 mm", "PERMEABILITA' 20 - WIDEBAND DA 0.5 A 30 MHz"},
    {10, "FT 37-77", 884, "DIAMETRO ESTERNO 9,5 mm - ALTEZZA 3,3 mm", "PERMEABILITA' 2000 - WIDEBAND DA 0.5 A 30 MHz"},
    {11, "FT 37 J", 2110, "DIAMETRO ESTERNO 9,5 mm - ALTEZZA 3,3 mm", "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz"},
    {12, "FT 50-43", 440, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 800 - WIDEBAND DA 1 A 50 MHz"},
    {13, "FT 50A-43", 480, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 800 - WIDEBAND DA 1 A 50 MHz"},
    {14, "FT 50B-43", 965, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 800 - WIDEBAND DA 1 A 50 MHz"},
    {15, "FT 50-61", 69, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 125 - WIDEBAND DA 10 A 200 MHz"},
    {16, "FT 50A-61", 75, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 125 - WIDEBAND DA 10 A 200 MHz"},
    {17, "FT 50B-61", 150, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 125 - WIDEBAND DA 10 A 200 MHz"},
    {18, "FT 50-67", 22, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 40 - WIDEBAND DA 0.2  A 1 GHz"},
    {19, "FT 50A-67", 24, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 40 - WIDEBAND DA 0.2  A 1 GHz"},
    {20, "FT 50B-67", 48, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 40 - WIDEBAND DA 0.2  A 1 GHz"},
    {21, "FT 50-68", 11, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 20 - WIDEBAND DA 0.5 A 30 MHz"},
    {22, "FT 50A-68", 12, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 20 - WIDEBAND DA 0.5 A 30 MHz"},
    {23, "FT 50-77", 1100, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 2000 - WIDEBAND DA 0.5 A 30 MHz"},
    {24, "FT 50A-77", 1200, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 2000 - WIDEBAND DA 0.5 A 30 MHz"},
    {25, "FT 50B-77", 2400, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 2000 - WIDEBAND DA 0.5 A 30 MHz"},
    {26, "FT 50 J", 2750, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz"},
    {27, "FT 50A J", 2990, "DIAMETRO ESTERNO 12,7 mm - ALTEZZA 4,9 mm", "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz"},
    {28, "FT 82-43", 470, "DIAMETRO ESTERNO 21 mm - ALTEZZA 6,35 mm", "PERMEABILITA' 800 - WIDEBAND DA 1 A 50 MHz"},
    {29, "FT 82-61", 73.3, "DIAMETRO ESTERNO 21 mm - ALTEZZA 6,35 mm", "PERMEABILITA' 125 - WIDEBAND DA 10 A 200 MHz"},
    {30, "FT 82-67", 22.4, "DIAMETRO ESTERNO 21 mm - ALTEZZA 6,35 mm", "PERMEABILITA' 40 - WIDEBAND DA 0.2  A 1 GHz"},
    {31, "FT 82-68", 11.7, "DIAMETRO ESTERNO 21 mm - ALTEZZA 6,35 mm", "PERMEABILITA' 20 - WIDEBAND DA 0.5 A 30 MHz"},
    {32, "FT 82-77", 1170, "DIAMETRO ESTERNO 21 mm - ALTEZZA 6,35 mm", "PERMEABILITA' 2000 - WIDEBAND DA 0.5 A 30 MHz"},
    {33, "FT 114-43", 510, "DIAMETRO ESTERNO 29 mm - ALTEZZA 7,5 mm", "PERMEABILITA' 800 - WIDEBAND DA 1 A 50 MHz"},
    {34, "FT 114-61", 80, "DIAMETRO ESTERNO 29 mm - ALTEZZA 7,5 mm", "PERMEABILITA' 125 - WIDEBAND DA 10 A 200 MHz"},
    {35, "FT 114A-61", 145, "DIAMETRO ESTERNO 29 mm - ALTEZZA 7,5 mm", "PERMEABILITA' 125 - WIDEBAND DA 10 A 200 MHz"},
    {36, "FT 114-67", 25.4, "DIAMETRO ESTERNO 29 mm - ALTEZZA 7,5 mm", "PERMEABILITA' 40 - WIDEBAND DA 0.2  A 1 GHz"},
    {37, "FT 114-68", 12.7, "DIAMETRO ESTERNO 29 mm - ALTEZZA 7,5 mm", "PERMEABILITA' 20 - WIDEBAND DA 0.5 A 30 MHz"},
    {38, "FT 114-77", 1270, "DIAMETRO ESTERNO 29 mm - ALTEZZA 7,5 mm", "PERMEABILITA' 2000 - WIDEBAND DA 0.5 A 30 MHz"},
    {39, "FT 114A-77", 2340, "DIAMETRO ESTERNO 29 mm - ALTEZZA 7,5 mm", "PERMEABILITA' 2000 - WIDEBAND DA 0.5 A 30 MHz"},
    {40, "FT 114 J", 3170, "DIAMETRO ESTERNO 29 mm - ALTEZZA 7,5 mm", "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz"},
    {41, "FT 140-43", 885, "DIAMETRO ESTERNO 35,5 mm - ALTEZZA 12,7 mm", "PERMEABILITA' 800 - WIDEBAND DA 1 A 50 MHz"},
    {42, "FT 140-61", 140, "DIAMETRO ESTERNO 35,5 mm - ALTEZZA 12,7 mm", "PERMEABILITA' 125 - WIDEBAND DA 10 A 200 MHz"},
    {43, "FT 140-67", 45, "DIAMETRO ESTERNO 35,5 mm - ALTEZZA 12,7 mm", "PERMEABILITA' 40 - WIDEBAND DA 0.2  A 1 GHz"},
    {44, "FT 140-77", 2250, "DIAMETRO ESTERNO 35,5 mm - ALTEZZA 12,7 mm", "PERMEABILITA' 2000 - WIDEBAND DA 0.5 A 30 MHz"},
    {45, "FT 140A J", 6736, "DIAMETRO ESTERNO 35,5 mm - ALTEZZA 12,7 mm", "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz"},
    {46, "FT 150 F", 2640, "DIAMETRO ESTERNO 38,1 mm - ALTEZZA 6,3 mm", "PERMEABILITA' 3000 - WIDEBAND DA 0.5 A 30 MHz"},
    {47, "FT 150A F", 5020, "DIAMETRO ESTERNO 38,1 mm - ALTEZZA 6,3 mm", "PERMEABILITA' 3000 - WIDEBAND DA 0.5 A 30 MHz"},
    {48, "FT 150 J", 4400, "DIAMETRO ESTERNO 38,1 mm - ALTEZZA 6,3 mm", "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz"},
    {49, "FT 150A J", 8370, "DIAMETRO ESTERNO 38,1 mm - ALTEZZA 6,3 mm", "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz"},
    {50, "FT 193 F", 3640, "DIAMETRO ESTERNO 49 mm - ALTEZZA 15,8 mm", "PERMEABILITA' 3000 - WIDEBAND DA 0.5 A 30 MHz"},
    {51, "FT 193A F", 4460, "DIAMETRO ESTERNO 49 mm - ALTEZZA 15,8 mm", "PERMEABILITA' 3000 - WIDEBAND DA 0.5 A 30 MHz"},
    {52, "FT 193 J", 6065, "DIAMETRO ESTERNO 49 mm - ALTEZZA 15,8 mm", "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz"},
    {53, "FT 193A J", 7435, "DIAMETRO ESTERNO 49 mm - ALTEZZA 15,8 mm", "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz"},
    {54, "FT 240-43", 1075, "DIAMETRO ESTERNO 61 mm - ALTEZZA 12,7 mm", "PERMEABILITA' 800 - WIDEBAND DA 1 A 50 MHz"},
    {55, "FT 240-61", 171, "DIAMETRO ESTERNO 61 mm - ALTEZZA 12,7 mm", "PERMEABILITA' 125 - WIDEBAND DA 10 A 200 MHz"},
    {56, "FT 240-67", 53, "DIAMETRO ESTERNO 61 mm - ALTEZZA 12,7 mm", "PERMEABILITA' 40 - WIDEBAND DA 0.2  A 1 GHz"},
    {57, "FT 240-77", 3130, "DIAMETRO ESTERNO 61 mm - ALTEZZA 12,7 mm", "PERMEABILITA' 2000 - WIDEBAND DA 0.5 A 30 MHz"},
    {58, "FT 240 J", 6845, "DIAMETRO ESTERNO 61 mm - ALTEZZA 12,7 mm", "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz"},
    {59, "FT 290-43", 1275, "DIAMETRO ESTERNO 73,6 mm - ALTEZZA 12,7 mm", "PERMEABILITA' 800 - WIDEBAND DA 1 A 50 MHz"},
};
// clang-format on

template <typename Row, std::size_t N>
void expectCatalogue(const ToroidCatalogue& catalogue, const Row (&expected)[N],
                     const char* Row::*mixText) {
    ASSERT_EQ(catalogue.count(), static_cast<int>(N));
    ASSERT_EQ(catalogue.names().size(), N);
    for (const Row& row : expected) {
        SCOPED_TRACE(row.name);
        const auto& core = catalogue.core(row.position);
        EXPECT_EQ(core.name, row.name);
        EXPECT_EQ(catalogue.names()[static_cast<std::size_t>(row.position)], row.name);
        EXPECT_EQ(core.al, row.al); // exactly: 7.5 is not rounded to 8
        EXPECT_EQ(catalogue.sizeCaption(row.position), std::string(row.size));
        EXPECT_EQ(catalogue.mixCaption(mixKey(core.name)), std::string(row.*mixText));
    }
}

TEST(ToroidCatalogue, IronPowderListMatchesTheMakerTable) {
    expectCatalogue(ironPowderCores(), kExpectedIronPowder, &IronPowderRow::mix);
}

TEST(ToroidCatalogue, FerriteListMatchesTheMakerTable) {
    expectCatalogue(ferriteCores(), kExpectedFerrite, &FerriteRow::material);
}

TEST(ToroidCatalogue, EdgesOfTheIronPowderList) {
    const ToroidCatalogue& t = ironPowderCores();
    EXPECT_EQ(t.core(0).name, "T-12/ 0");
    EXPECT_EQ(t.core(169).name, "T-520/26");
    EXPECT_EQ(t.core(154).name, "T-225/ 2");
    EXPECT_EQ(t.core(155).name, "T-225/ 3");
    EXPECT_EQ(t.core(156).name, "T-225/ 6");
    EXPECT_EQ(t.core(157).name, "T-225/26");
    EXPECT_EQ(t.core(7).name, "T-12/12");
    EXPECT_EQ(t.core(7).al, 7.5);
    EXPECT_EQ(t.core(9).name, "T-12/17");
    EXPECT_EQ(t.core(9).al, 7.5);
    EXPECT_EQ(t.core(20).name, "T-20/ 0");
    EXPECT_EQ(t.core(20).al, 3.5);
    EXPECT_EQ(t.core(31).al, 4.5);
    EXPECT_EQ(t.core(57).name, "T-37/ 6");
    EXPECT_EQ(t.sizeCaption(57), "DIAMETRO ESTERNO 9,53 mm - ALTEZZA 3,25 mm");
    EXPECT_THROW(t.core(170), std::out_of_range);
    EXPECT_THROW(t.core(-1), std::out_of_range);
    EXPECT_FALSE(t.sizeCaption(170));
    EXPECT_FALSE(t.sizeCaption(-1));
}

TEST(ToroidCatalogue, EdgesOfTheFerriteList) {
    const ToroidCatalogue& ft = ferriteCores();
    EXPECT_EQ(ft.core(59).name, "FT 290-43");
    EXPECT_EQ(ft.sizeCaption(59), "DIAMETRO ESTERNO 73,6 mm - ALTEZZA 12,7 mm");
    EXPECT_NE(ft.sizeCaption(58), ft.sizeCaption(59));
    EXPECT_EQ(ft.core(5).name, "FT 23 J");
    EXPECT_EQ(ft.core(5).al, 990);
    EXPECT_EQ(ft.core(1).al, 24.8);
    EXPECT_FALSE(ft.sizeCaption(60));
    EXPECT_THROW(ft.core(60), std::out_of_range);
}

// Iron-powder keys are mix numbers, so " 6" and "6" are the same mix; ferrite
// keys are numbers or a blank and a letter, compared as written.
TEST(ToroidCatalogue, MixKeys) {
    EXPECT_EQ(mixKey("T-37/ 6"), " 6");
    EXPECT_EQ(mixKey("FT 150A F"), " F");
    const ToroidCatalogue& t = ironPowderCores();
    EXPECT_EQ(t.mixCaption(" 6"), t.mixCaption("6"));
    EXPECT_EQ(t.mixCaption("06"), t.mixCaption(" 6"));
    EXPECT_FALSE(t.mixCaption(" 5"));
    EXPECT_FALSE(t.mixCaption("43"));
    EXPECT_FALSE(t.mixCaption("  "));
    EXPECT_FALSE(t.mixCaption(" J"));
    const ToroidCatalogue& ft = ferriteCores();
    EXPECT_EQ(ft.mixCaption(" J"), "PERMEABILITA' 5000 - WIDEBAND DA 1 A 15 MHz");
    EXPECT_FALSE(ft.mixCaption("J "));
    EXPECT_FALSE(ft.mixCaption(" 2"));
}

} // namespace
