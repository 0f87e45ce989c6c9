/* The PE that the splicer's tests splice: a console program that says so. */
#include <stdio.h>

int main(void)
{
    puts("fixture ran");
    return 42;
}
