#include "solve/Factored.h"

#include "solve/Solve.h"

void FactorExpression(const CExpression& result, CSolution& solution)
{
    (void)result;
    (void)solution;
}
