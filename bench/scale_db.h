#pragma once
// A database of our own layout filled as a hospital's file looks after ten years at the counter,
// for the benchmark and for the test that keeps the benchmark working.
#include <QDate>
#include <QString>
#include <cstdint>

struct ScaleCounts {
  long outPatients = 500000;
  long inPatients = 50000;
  long outBills = 1000000;
  long inBills = 100000;
  long labBills = 100000;  // each of 1 to 5 rows
  long xrayBills = 50000;  // each of 1 to 3 rows
  long doctors = 200;
  long labTests = 500;
  long xrayTests = 200;
  long consultantFees = 100000;
};

// The default counts times `factor`, each at least 1 (a few for the lists the bills draw from).
ScaleCounts ScaledCounts(double factor);

// The bills run over the ten years that end on this day; the benchmark's "today".
QDate ScaleLastDay();

// Writes a new file at `path` through the program's own schema (and login cipher), then the rows,
// in one transaction with prepared statements. The same seed and counts give the same file.
// Refuses an existing file. Raises DbError on failure.
void WriteScaleDatabase(const QString& path, const ScaleCounts& counts, std::uint64_t seed);
