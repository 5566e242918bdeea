/* The worksheet program's user-function interface, as far as an add-in uses it: the record
 * that describes one worksheet function, the complex scalar every argument and result is,
 * and the two registration calls of mcaduser.dll.  Both calls and every worksheet function
 * use the C calling convention. */
#ifndef MCADUSER_H
#define MCADUSER_H

#include <stdint.h>
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(MCADUSER_BUILD)
#define MCADUSER_API __declspec(dllexport)
#else
#define MCADUSER_API __declspec(dllimport)
#endif
#define MCADUSER_CALL __cdecl

/* A worksheet value: real part first, then imaginary part. */
typedef struct McadComplex {
  double real;
  double imag;
} McadComplex;

/* What a worksheet function returns: 0 for success; otherwise the low 16 bits are the number
 * of the error message (counted from 1 in the registered table) and the high 16 bits the
 * argument (counted from 1) marked as the source of the error. */
typedef uint32_t McadStatus;

/* The code address of a worksheet function.  Its real shape, for argCount arguments, is
 *   McadStatus MCADUSER_CALL f(McadComplex* result, const McadComplex* arg1, ...);
 * with one pointer per argument; callers cast to that shape before calling. */
typedef void(MCADUSER_CALL* McadFunction)(void);

enum {
  MCAD_COMPLEX_SCALAR = 1, /* type code of a complex scalar, for results and arguments */
  MCAD_MAX_ARGUMENTS = 10
};

/* One worksheet function. */
typedef struct McadFunctionInfo {
  const char* name;        /* the name used in worksheets */
  const char* parameters;  /* the parameter list shown to the user, e.g. "p, t" */
  const char* description; /* free text shown with the function */
  McadFunction function;
  uint32_t returnType;                   /* MCAD_COMPLEX_SCALAR */
  uint32_t argCount;                     /* 1 to MCAD_MAX_ARGUMENTS */
  uint32_t argTypes[MCAD_MAX_ARGUMENTS]; /* one type code per argument, 0 beyond argCount */
} McadFunctionInfo;

/* Registers one worksheet function of the add-in `instance`.  Null on failure. */
MCADUSER_API void* MCADUSER_CALL CreateUserFunction(HINSTANCE instance, const McadFunctionInfo* info);

/* Registers the add-in's error messages: `count` texts, message n at messages[n - 1].  The
 * texts must live as long as the add-in is loaded.  FALSE when the table is refused. */
MCADUSER_API BOOL MCADUSER_CALL CreateUserErrorMessageTable(HINSTANCE instance, unsigned int count,
                                                            const char* const* messages);

#ifdef __cplusplus
}
#endif

#endif /* MCADUSER_H */
