#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "core/state/Money.h"

// A long unattended session: random tickets of every kind (way tickets
// included) and random bets, played through the real game cycle, evaluation
// and history file, with every game checked against an independent count.
struct SoakOptions {
    int games = 20000;
    std::uint32_t seed = 1;  // the ticket and bet choices
    QString historyPath;     // Games.vlr to create and record into
    int scheduleNumber = 0;  // the delivered schedule in force
};

struct SoakReport {
    int games = 0;
    int runs = 0;
    std::array<int, 11> gamesByKind{};  // by TicketKind byte
    Money paid = 0;                     // every total price
    Money won = 0;                      // every win
    Money balance = 0;                  // at the end
    std::array<int, 81> balls{};        // how often each number 1..80 was drawn
    QStringList faults;                 // the first few disagreements, one line each
};

SoakReport PlaySoak(const SoakOptions& options);
