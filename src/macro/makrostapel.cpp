#include "macro/makrostapel.h"

#include "macro/makrowerte.h"

namespace quarzel {

void Makrostapel::legeZahl(double z) {
  lege(makrozahl(z));
}

double Makrostapel::nimmZahl() {
  const double z = makrowert(werte_.back());
  werte_.pop_back();
  return z;
}

}  // namespace quarzel
