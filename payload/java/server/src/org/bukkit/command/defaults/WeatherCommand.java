package org.bukkit.command.defaults;

import java.util.Random;

import org.bukkit.World;
import org.bukkit.command.Command;
import org.bukkit.command.CommandSender;

/** /weather clear|rain|thunder [seconds]: the sender's world's weather, for the seconds given or 5 to 15 minutes. */
public class WeatherCommand extends GameCommand {
    private static final Random RANDOM = new Random();

    public WeatherCommand() {
        super("weather", "Changes the weather", "/weather <clear/rain/thunder> [duration in seconds]",
                "bukkit.command.weather");
    }

    @Override
    void run(CommandSender sender, Words words) throws Words.Refusal {
        if (words.count() < 1 || words.count() > 2) {
            throw usage();
        }
        int seconds = words.count() == 2 ? Words.number(words.get(1), 1, 1000000) : 300 + RANDOM.nextInt(600);
        World world = words.world();
        String kind = words.get(0);
        if (kind.equalsIgnoreCase("clear")) {
            world.setStorm(false);
            world.setThundering(false);
            world.setWeatherDuration(seconds * 20);
            Command.broadcastCommandMessage(sender, "Changed weather to clear for " + seconds + " seconds.");
        } else if (kind.equalsIgnoreCase("rain")) {
            world.setStorm(true);
            world.setWeatherDuration(seconds * 20);
            Command.broadcastCommandMessage(sender, "Changed weather to rainy for " + seconds + " seconds.");
        } else if (kind.equalsIgnoreCase("thunder")) {
            world.setStorm(true);
            world.setThundering(true);
            world.setWeatherDuration(seconds * 20);
            world.setThunderDuration(seconds * 20);
            Command.broadcastCommandMessage(sender, "Changed weather to thundering " + seconds + " seconds.");
        } else {
            throw usage();
        }
    }
}
