#pragma once
// Layout of the contribution tables: the first pay amount and the step width, in cents of the
// year's currency. The steps follow the official contribution tables of each period.
int BeitragsTabellenWert1(int jahr);
int BeitragsTabellenWert2(int jahr);
