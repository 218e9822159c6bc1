#include "app/Program.h"

int main() {
  return qp::RunQuietpane();
}
