package net.cubeworks.world;

import java.lang.reflect.InvocationTargetException;

/**
 * The server jar's entry point. It is compiled for Java 7 and uses nothing newer, so that on an
 * older Java than the server needs it says so in one console line, in the log's own format, and
 * exits with status 1; on
 * Java 8 and later it hands the arguments to {@link ServerMain}, reached by reflection so that
 * no class of Java 8 bytecode is loaded before the check.
 */
public final class Main {
    /** The Java version the server and the libraries it carries are compiled for. */
    static final int REQUIRED_JAVA = 8;

    private Main() {
    }

    /** The feature number of a java.specification.version ("1.7" is 7, "17" is 17), or -1. */
    static int featureVersion(String javaVersion) {
        if (javaVersion == null) {
            return -1;
        }
        String s = javaVersion.trim();
        if (s.startsWith("1.")) {
            s = s.substring(2);
        }
        int end = 0;
        while (end < s.length() && Character.isDigit(s.charAt(end))) {
            end++;
        }
        if (end == 0) {
            return -1;
        }
        try {
            return Integer.parseInt(s.substring(0, end));
        } catch (NumberFormatException ex) {
            return -1;
        }
    }

    /** The console line that refuses a Java older than the server needs, or null when it is new enough. */
    static String refusal(String javaVersion, String javaHome) {
        int feature = featureVersion(javaVersion);
        if (feature < 0 || feature >= REQUIRED_JAVA) {
            return null;
        }
        String time = new java.text.SimpleDateFormat("HH:mm:ss").format(new java.util.Date());
        return "[" + time + " ERROR]: This server needs Java " + REQUIRED_JAVA + " or newer, but it was "
                + "started with Java " + javaVersion + " (" + javaHome + "): install Java "
                + REQUIRED_JAVA + " or newer and start it again.";
    }

    public static void main(String[] args) throws Throwable {
        String refused = refusal(System.getProperty("java.specification.version"), System.getProperty("java.home"));
        if (refused != null) {
            System.out.println(refused);
            System.out.flush();
            System.exit(1);
            return;
        }
        try {
            Class.forName("net.cubeworks.world.ServerMain").getMethod("main", String[].class)
                    .invoke(null, (Object) args);
        } catch (InvocationTargetException ex) {
            throw ex.getCause();
        }
    }
}
