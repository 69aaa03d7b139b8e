#include "Application.h"
#include "Form1.h"

int main(int argc, char* argv[])
{
    HostRuntime::Application application(argc, argv);
    return application.run(Form1::create);
}
