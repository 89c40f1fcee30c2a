/* Runs a command and prints the wall time and the processor time (user and
   system, of the command and every process it waited for) in seconds, to the
   microsecond: "WALL CPU". The command's standard output and error go to
   /dev/null. bench/run times the command-line tool with it, where
   /usr/bin/time gives only hundredths of a second.
     child_time PROGRAM [ARG...] */
#define _GNU_SOURCE
#include <fcntl.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double seconds(struct timeval t) { return t.tv_sec + t.tv_usec / 1e6; }

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: child_time PROGRAM [ARG...]\n");
    return 2;
  }
  struct timespec start, end;
  clock_gettime(CLOCK_MONOTONIC, &start);
  const pid_t child = fork();
  if (child < 0) {
    perror("child_time: fork");
    return 1;
  }
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execvp(argv[1], argv + 1);
    _exit(127);
  }
  int status = 0;
  struct rusage usage;
  if (wait4(child, &status, 0, &usage) < 0) {
    perror("child_time: wait4");
    return 1;
  }
  clock_gettime(CLOCK_MONOTONIC, &end);
  printf("%.6f %.6f\n", (end.tv_sec - start.tv_sec) + (end.tv_nsec - start.tv_nsec) / 1e9,
         seconds(usage.ru_utime) + seconds(usage.ru_stime));
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
