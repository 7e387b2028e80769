// tarnovelle-render: a frame of the animation for a seed, without Windows.
#include <cstdio>
#include <string>

#include "tools/render/render_options.h"
#include "tools/render/render_run.h"

int main(int argc, char** argv)
{
    RenderOptions options;
    std::string problem = ParseRenderOptions(argc, argv, &options);
    if (!problem.empty()) {
        std::fprintf(stderr, "tarnovelle-render: %s (try --help)\n", problem.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(RenderUsage, stdout);
        return 0;
    }
    int code = RenderToFiles(options, &problem);
    if (code != 0)
        std::fprintf(stderr, "tarnovelle-render: %s\n", problem.c_str());
    return code;
}
