package net.cubeworks.world.game.api;

import java.util.concurrent.Callable;
import java.util.function.LongConsumer;
import java.util.function.Supplier;

import net.cubeworks.world.game.world.LevelState;
import net.cubeworks.world.game.world.Weather;

/**
 * The world's clock and weather as plugins see them: the time of day and the days gone, the rain
 * and the thunder and how long each lasts. The clock is read under the world lock; a new time, rain
 * or thunder is set on the game thread, through the world that tells the clients (and, for the
 * weather, asks the plugins first). The level and the weather are looked up at each use: the
 * level is read at start-up, after the world's face is made.
 */
public final class ApiClocks {
    private final ApiChanges changes;
    private final Object lock;
    private final Supplier<LevelState> level;
    private final Supplier<Weather> weather;
    /** Sets the level's day time and tells the clients. */
    private final LongConsumer setDayTime;

    public ApiClocks(ApiChanges changes, Object lock, Supplier<LevelState> level, Supplier<Weather> weather,
            LongConsumer setDayTime) {
        this.changes = changes;
        this.lock = lock;
        this.level = level;
        this.weather = weather;
        this.setDayTime = setDayTime;
    }

    /** The time of today, 0 to 23999. */
    public long time() {
        synchronized (lock) {
            return level.get().dayTime % 24000;
        }
    }

    /** Sets the time of today, keeping the day: the clock only goes forward. */
    public void setTime(long time) {
        long now = fullTime();
        long margin = (time - now) % 24000;
        if (margin < 0) {
            margin += 24000;
        }
        setFullTime(now + margin);
    }

    public long fullTime() {
        synchronized (lock) {
            return level.get().dayTime;
        }
    }

    public void setFullTime(final long time) {
        changes.call(new Callable<Void>() {
            public Void call() {
                setDayTime.accept(time);
                return null;
            }
        });
    }

    public boolean storm() {
        return level.get().raining;
    }

    /** Starts or stops the rain as the weather event allows; its time starts anew, as the game's API does. */
    public void setStorm(final boolean hasStorm) {
        changes.call(new Callable<Void>() {
            public Void call() {
                LevelState l = level.get();
                if (weather.get().setRaining(l, hasStorm)) {
                    l.rainTime = 0;
                }
                return null;
            }
        });
    }

    public int weatherDuration() {
        return level.get().rainTime;
    }

    public void setWeatherDuration(int duration) {
        level.get().rainTime = Math.max(0, duration);
    }

    public boolean thundering() {
        return level.get().thundering;
    }

    /** Starts or stops the thunder as the weather event allows; its time starts anew. */
    public void setThundering(final boolean thundering) {
        changes.call(new Callable<Void>() {
            public Void call() {
                LevelState l = level.get();
                if (weather.get().setThundering(l, thundering)) {
                    l.thunderTime = 0;
                }
                return null;
            }
        });
    }

    public int thunderDuration() {
        return level.get().thunderTime;
    }

    public void setThunderDuration(int duration) {
        level.get().thunderTime = Math.max(0, duration);
    }
}
