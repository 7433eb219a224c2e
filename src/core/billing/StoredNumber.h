#pragma once

// The decimal that a float amount stands for (6.7f as 6.7, not as
// 6.699999809), as it is written to a REAL column and added up there.
double storedNumber(float value);
